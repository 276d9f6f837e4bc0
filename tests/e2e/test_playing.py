"""Whole games letter by letter: winning, losing, repeated and refused letters.

The real program draws its title and its vowel from the clock, so every game here uses
a one-title list and reads the vowel it was given from record 1 of "Temp.dat".
"""
import harness as h

WON = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?"
LOST = ("Has fallado, vuelve a intentarlo.\r\nLa película era: {}\r\n\r\n"
        "¿Quieres jugar otra vez?")


def letters_to_say(title, vowel):
    """The distinct letters of the title in lower case, in order, less the given vowel."""
    letters = []
    for char in title.lower():
        if char != " " and char != vowel.lower() and char not in letters:
            letters.append(char)
    return letters


def won_game_answered_no_ends_the_program(binary):
    title = "Pequeña Miss Sunshine"
    # No wait, vowels may be said, case ignored; "00" comes back as "0".
    files = {"Filmotas.dat": h.movie_list([title]), "Config.dat": h.records(["00", "1", "1"], 4)}
    with h.Session(binary, files) as session:
        game = session.start_game()
        program = game.program
        vowel = h.given_vowel(session.read("Temp.dat"))
        letters = letters_to_say(title, vowel)
        said = [vowel, vowel.lower()]
        for letter in letters[:-1]:
            said.append(letter)
            game.guess(letter, 3 * len(said))
        program.assert_no_window("¿Otra vez?", settle=0.1)
        said.append(letters[-1])
        game.type_letter(letters[-1])
        program.answer_box("¿Otra vez?", "Escape", WON)
        h.check(program.wait_exit() == 0, "exit code after answering No")
        h.check_bytes(session.read("Temp.dat"), h.scratch(said), "Temp.dat after the won game")
        h.check_bytes(session.read("Config.dat"), h.settings(0, 1, 1), "Config.dat after answering No")


def fifth_miss_loses_and_yes_starts_a_new_game(binary):
    title = "Casablanca"
    with h.Session(binary, {"Filmotas.dat": h.movie_list([title])}) as session:
        game = session.start_game()
        program = game.program
        vowel = h.given_vowel(session.read("Temp.dat"))
        said = [vowel, vowel.lower()]
        for letter in "xzkw":
            said.append(letter)
            game.guess(letter, 3 * len(said))
        program.assert_no_window("Has perdido", settle=0.2)
        said.append("j")
        game.type_letter("j")
        box = program.wait_window("Has perdido", kind="dialog")
        program.check_box_text(box, LOST.format(title))
        h.check_bytes(session.read("Temp.dat"), h.scratch(said), "Temp.dat at the lost-game box")
        program.keys(box, "Return")
        program.wait_gone(box, "the lost-game box")
        session.wait_file_size("Temp.dat", 6)
        h.check(program.running(), "Yes must keep the program running")
        # The new game judges letters from a fresh scratch file.
        vowel = h.given_vowel(session.read("Temp.dat"))
        game.guess("x", 9)
        h.check_bytes(session.read("Temp.dat"), h.scratch([vowel, vowel.lower(), "x"]),
                      "Temp.dat after the first letter of the new game")
        program.close_box(game.window)
        h.check(program.wait_exit() == 0, "exit code after the close box")
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat after the close box")


def repeated_and_refused_letters_record_nothing(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list(["Casablanca"])}) as session:
        game = session.start_game()
        program = game.program
        vowel = h.given_vowel(session.read("Temp.dat"))
        game.guess("c", 9)
        # The other case of a said letter is a repeat; its reserved record stays empty.
        game.type_letter("C")
        program.answer_box("Letra repetida", text="La letra ''C'' ya ha sido repetida")
        # Vowels may not be said by default: refused in a box titled like the game.
        game.type_letter("e")
        program.answer_box("Filmotas", text="No se pueden decir vocales")
        game.guess("x", 15)
        h.check_bytes(session.read("Temp.dat"), h.scratch([vowel, vowel.lower(), "c", None, "x"]),
                      "Temp.dat after c, C (repeated), e (refused), x")
        game.exit_by_menu()
        h.check(program.wait_exit() == 0, "exit code after Salir")


if __name__ == "__main__":
    h.run([won_game_answered_no_ends_the_program,
           fifth_miss_loses_and_yes_starts_a_new_game,
           repeated_and_refused_letters_record_nothing])
