# One whole game letter by letter, won, then No: the program ends and leaves its files.
# The real program draws its title and its vowel from the clock, so the game uses a
# one-title list and reads the vowel it was given from record 1 of "Temp.dat".
import harness as h

WON = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?"


def won_game_answered_no_ends_the_program(binary):
    title = "Pequeña Miss Sunshine"
    # No wait, vowels may be said, case ignored; "00" comes back as "0".
    files = {"Filmotas.dat": h.movie_list([title]), "Config.dat": h.records(["00", "1", "1"], 4)}
    with h.Session(binary, files) as session:
        game = session.start_game()
        vowel = h.given_vowel(session.read("Temp.dat"))
        said = [vowel, vowel.lower()]
        # Each letter once; a box shown too early would take the keys of the next one.
        for letter in dict.fromkeys(c for c in title.lower() if c not in (" ", vowel.lower())):
            said.append(letter)
            game.type_letter(letter)
            session.wait_file_size("Temp.dat", 3 * len(said))
        game.program.answer_box("¿Otra vez?", "Escape", WON)
        h.check(game.program.wait_exit() == 0, "exit code after answering No")
        h.check_bytes(session.read("Temp.dat"), h.records(said, 3), "Temp.dat after the won game")
        h.check_bytes(session.read("Config.dat"), h.settings(0, 1, 1), "Config.dat after answering No")


if __name__ == "__main__":
    h.run([won_game_answered_no_ends_the_program])
