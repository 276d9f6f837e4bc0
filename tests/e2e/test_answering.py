"""Answering the whole title at once: one answer ends the game, right or wrong."""
import harness as h

TITLE = "Casablanca"
FAILED = ("No lo has conseguido.\r\nLa película era: Casablanca\r\n\r\n"
          "¿Quieres jugar otra vez?")
WON = "¡Has ganado, felicidades!\r\n\r\n¿Quieres jugar otra vez?"


def answer(game, text):
    game.click(h.RESPONDER)   # the answer box takes the focus
    game.program.type_text(game.window, text)
    game.click(h.ACEPTAR)


def answer_in_the_wrong_case_fails_and_yes_plays_on_by_letters(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list([TITLE])}) as session:
        game = session.start_game()
        game.guess("c", 9)
        answer(game, TITLE.lower())
        game.program.answer_box("¿Otra vez?", "Return", FAILED)
        session.wait_file_size("Temp.dat", 6)
        # The new game has left answer mode: the letter box takes letters again, once
        # the player puts the focus back into it.
        vowel = h.given_vowel(session.read("Temp.dat"))
        game.click(h.LETTER_BOX)
        game.guess("x", 9)
        h.check_bytes(session.read("Temp.dat"), h.scratch([vowel, vowel.lower(), "x"]),
                      "Temp.dat after a letter in the new game")
        game.exit_by_menu()
        h.check(game.program.wait_exit() == 0, "exit code after Salir")


def exact_answer_wins_and_no_ends_the_program(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list([TITLE])}) as session:
        game = session.start_game()
        temp = session.read("Temp.dat")
        answer(game, TITLE)
        game.program.answer_box("¿Otra vez?", "Escape", WON)
        h.check(game.program.wait_exit() == 0, "exit code after answering No")
        h.check_bytes(session.read("Temp.dat"), temp, "Temp.dat: an answer records no letter")
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat after answering No")


if __name__ == "__main__":
    h.run([answer_in_the_wrong_case_fails_and_yes_plays_on_by_letters,
           exact_answer_wins_and_no_ends_the_program])
