"""The help window: opened beside the game, closed with it, or refused without its file."""
import harness as h

ONE_TITLE = {"Filmotas.dat": h.movie_list(["Casablanca"])}
WITH_HELP = {**ONE_TITLE, "Ayuda.dat": h.help_file([f"Entrada {n}" for n in range(1, 23)])}
MISSING = "No se encontró el archivo de ayuda.\r\n\r\nVuelva a instalar el programa."


def open_help(game):
    game.program.menu(game.window, "y", "a")


def help_beside_the_game_closes_with_salir(binary):
    with h.Session(binary, WITH_HELP) as session:
        game = session.start_game()
        vowel = h.given_vowel(session.read("Temp.dat"))
        open_help(game)
        game.program.wait_window("Ayuda")
        game.guess("x", 9)   # the help window does not block the game
        h.check_bytes(session.read("Temp.dat"), h.scratch([vowel, vowel.lower(), "x"]),
                      "Temp.dat after a letter typed beside the help window")
        game.exit_by_menu()
        h.check(game.program.wait_exit() == 0, "exit code after Salir with the help window open")
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat after Salir")


def game_close_box_leaves_the_help_window_open(binary):
    with h.Session(binary, WITH_HELP) as session:
        game = session.start_game()
        program = game.program
        open_help(game)
        helper = program.wait_window("Ayuda")
        program.close_box(game.window)
        program.wait_gone(game.window, "the game window")
        session.wait_file_size("Config.dat", 12)
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat after the close box")
        h.check(program.running(), "the program must live while the help window is open")
        h.check(helper in program.windows("Ayuda"), "the help window must stay open")
        program.close_box(helper)
        h.check(program.wait_exit() == 0, "exit code after closing the help window")


def missing_help_file_is_reported_every_time(binary):
    with h.Session(binary, ONE_TITLE) as session:
        game = session.start_game()
        program = game.program
        vowel = h.given_vowel(session.read("Temp.dat"))
        for _ in range(2):   # each attempt tells again
            open_help(game)
            program.answer_box("Error", text=MISSING)
            program.assert_no_window("Ayuda")
        game.guess("x", 9)   # the game goes on
        h.check_bytes(session.read("Temp.dat"), h.scratch([vowel, vowel.lower(), "x"]),
                      "Temp.dat after the missing help file")
        game.exit_by_menu()
        h.check(program.wait_exit() == 0, "exit code after Salir")


if __name__ == "__main__":
    h.run([help_beside_the_game_closes_with_salir,
           game_close_box_leaves_the_help_window_open,
           missing_help_file_is_reported_every_time])
