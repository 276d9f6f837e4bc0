"""Appending titles through the add-movie dialog while a game goes on."""
import harness as h

ABOUT = ("Filmotas 1.0.10\r\n\r\nCreado por: \r\nQuenteo\r\nDeridorovida Brivanta\r\n\r\n"
         "Número de filmotas almacenadas:\r\n{}")


def check_about_count(game, count):
    game.program.menu(game.window, "y", "c")
    game.program.answer_box("Acerca de Filmotas", text=ABOUT.format(count))


def two_titles_land_after_the_last_whole_record_and_count_at_once(binary):
    listed = h.movie_list(["Casablanca", "Volver"])
    # 26 bytes of a broken third record: the first append writes over them.
    with h.Session(binary, {"Filmotas.dat": listed + b"\xee" * 26}) as session:
        game = session.start_game()
        program = game.program
        temp = session.read("Temp.dat")
        check_about_count(game, 2)
        program.menu(game.window, "a", "a")
        dialog = program.wait_window("Agregar filmotas")
        for title, size in (("Año bisiesto", 156), ("Mar adentro", 208)):
            program.type_text(dialog, title)
            program.keys(dialog, "Return")   # Enter presses "Aceptar"
            session.wait_file_size("Filmotas.dat", size)
        program.close_box(dialog)
        program.wait_gone(dialog, "the add-movie dialog")
        h.check_bytes(session.read("Filmotas.dat"),
                      listed + h.movie_list(["Año bisiesto", "Mar adentro"]),
                      "Filmotas.dat after two appends")
        h.check_bytes(session.read("Temp.dat"), temp, "Temp.dat of the game in progress")
        check_about_count(game, 4)
        game.exit_by_menu()
        h.check(program.wait_exit() == 0, "exit code after Salir")


if __name__ == "__main__":
    h.run([two_titles_land_after_the_last_whole_record_and_count_at_once])
