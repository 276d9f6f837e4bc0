# One whole game letter by letter, with a title added through the add-movie dialog on the
# way, won, then No: the program ends and leaves its files. The real program draws its title
# and its vowel from the clock, so the game uses a one-title list and reads the vowel it was
# given from record 1 of "Temp.dat".
import harness as h


def test_game_with_a_title_added_then_won_and_no_leaves_its_files():
    title = "Pequeña Miss Sunshine"
    # No wait, vowels may be said, case ignored; "00" comes back as "0".
    files = {"Filmotas.dat": h.movie_list([title]), "Config.dat": h.settings("00", 1, 1)}
    with h.Session(h.BINARY, files) as session:
        program = session.start()
        game = program.wait_window("Filmotas")
        program.keys(game, "alt+a", "a")   # an open menu takes the item's key
        dialog = program.wait_window("Agregar filmotas")
        program.type_text(dialog, "Año bisiesto")
        program.keys(dialog, "Return")   # Enter presses "Aceptar"
        session.wait_file_size("Filmotas.dat", 104)
        program.close_box(dialog)
        program.wait_gone(dialog, "the add-movie dialog")
        vowel = session.read("Temp.dat")[2:3].decode()
        said = [vowel, vowel.lower()]
        # Each letter once; a box shown too early would take the keys of the next one. BackSpace
        # first frees the one-character letter box, whether or not the timer has emptied it yet.
        for letter in dict.fromkeys(c for c in title.lower() if c not in (" ", vowel.lower())):
            said.append(letter)
            program.keys(game, "BackSpace", f"U{ord(letter):04X}")
            session.wait_file_size("Temp.dat", 3 * len(said))
        program.answer_box("¿Otra vez?", "Escape")   # won: No ends the program
        assert program.wait_exit() == 0, "exit code after answering No"
        assert session.read("Filmotas.dat") == h.movie_list([title, "Año bisiesto"]), "Filmotas.dat"
        assert session.read("Temp.dat") == b"".join(h.record(c, 3) for c in said), "Temp.dat at the end"
        assert session.read("Config.dat") == h.settings(0, 1, 1), "Config.dat after answering No"
