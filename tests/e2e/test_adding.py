"""Appending titles through the add-movie dialog while a game goes on."""
import harness as h

ABOUT = ("Filmotas 1.0.10\r\n\r\nCreado por: \r\nQuenteo\r\nDeridorovida Brivanta\r\n\r\n"
         "Número de filmotas almacenadas:\r\n{}")


def open_add_dialog(game):
    game.program.menu(game.window, "a", "a")
    return game.program.wait_window("Agregar filmotas")


def append(program, dialog, title, size_after):
    program.type_text(dialog, title)
    program.keys(dialog, "Return")   # Enter presses "Aceptar"
    program.session.wait_file_size("Filmotas.dat", size_after)


def check_about_count(game, count):
    game.program.menu(game.window, "y", "c")
    game.program.answer_box("Acerca de Filmotas", text=ABOUT.format(count))


def two_titles_land_after_the_last_whole_record_and_count_at_once(binary):
    listed = h.movie_list(["Casablanca", "Volver"])
    # 26 bytes of a broken third record: the first append writes over them.
    with h.Session(binary, {"Filmotas.dat": listed + b"\xee" * 26}) as session:
        game = session.start_game()
        temp = session.read("Temp.dat")
        check_about_count(game, 2)
        dialog = open_add_dialog(game)
        append(game.program, dialog, "Año bisiesto", 156)
        append(game.program, dialog, "Mar adentro", 208)
        game.program.close_box(dialog)
        game.program.wait_gone(dialog, "the add-movie dialog")
        h.check_bytes(session.read("Filmotas.dat"),
                      listed + h.movie_list(["Año bisiesto", "Mar adentro"]),
                      "Filmotas.dat after two appends")
        h.check_bytes(session.read("Temp.dat"), temp, "Temp.dat of the game in progress")
        check_about_count(game, 4)
        game.exit_by_menu()
        h.check(game.program.wait_exit() == 0, "exit code after Salir")


def first_titles_of_an_empty_list_stop_at_fifty_characters(binary):
    typed = "Abcdefghij" * 5 + "XY"   # two characters more than a record holds
    with h.Session(binary) as session:
        program = session.start()
        program.answer_box("No hay filmotas")
        game = h.Game(program, program.game_window())
        dialog = open_add_dialog(game)
        append(program, dialog, typed, 52)
        program.close_box(dialog)
        program.wait_gone(dialog, "the add-movie dialog")
        h.check_bytes(session.read("Filmotas.dat"), h.movie_list([typed[:50]]),
                      "Filmotas.dat after a long title")
        check_about_count(game, 1)
        program.close_box(game.window)
        h.check(program.wait_exit() == 0, "exit code after the close box")


if __name__ == "__main__":
    h.run([two_titles_land_after_the_last_whole_record_and_count_at_once,
           first_titles_of_an_empty_list_stop_at_fifty_characters])
