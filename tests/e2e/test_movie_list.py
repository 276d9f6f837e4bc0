"""The movie list window on a game in progress: remove a title, import a text file."""
import harness as h

ABOUT = ("Filmotas 1.0.10\r\n\r\nCreado por: \r\nQuenteo\r\nDeridorovida Brivanta\r\n\r\n"
         "Número de filmotas almacenadas:\r\n{}")


def remove_and_import_rewrite_the_list_and_count_at_once(binary):
    imported = "\ufeffAmélie\r\ncasablanca\r\n   \r\nLa strada".encode("utf-8")
    with h.Session(binary, {"Filmotas.dat": h.movie_list(["Casablanca", "Volver", "Ran"]),
                            "nuevas.txt": imported}) as session:
        game = session.start_game()
        program = game.program
        temp = session.read("Temp.dat")
        program.menu(game.window, "a", "l")
        window = program.wait_window("Lista de filmotas")

        program.keys(window, "alt+b")                 # the filter box
        program.type_text(window, "VOLV")
        program.keys(window, "alt+t", "Delete")       # the list, its one row shown
        program.answer_box("Quitar filmotas", text="¿Quitar 1 filmota de la lista?")
        session.wait_file_size("Filmotas.dat", 104)
        h.check_bytes(session.read("Filmotas.dat"), h.movie_list(["Casablanca", "Ran"]),
                      "Filmotas.dat after removing Volver")

        program.keys(window, "alt+i")
        chooser = program.wait_window("Importar filmotas")
        program.keys(chooser, "ctrl+a")               # the file name box holds the focus
        session.server.xdotool("type", "--delay", "10", session.path("nuevas.txt"))
        program.keys(chooser, "Return")
        program.answer_box("Filmotas importadas", text=(
            "Filmotas añadidas: 2\r\nLíneas omitidas: 2\r\n- vacías o solo con espacios: 1\r\n"
            "- que ya estaban en la lista: 1"))
        h.check_bytes(session.read("Filmotas.dat"),
                      h.movie_list(["Casablanca", "Ran", "Amélie", "La strada"]),
                      "Filmotas.dat after the import")

        program.keys(window, "Escape")
        program.wait_gone(window, "the list window")
        h.check_bytes(session.read("Temp.dat"), temp, "Temp.dat of the game in progress")
        program.menu(game.window, "y", "c")
        program.answer_box("Acerca de Filmotas", text=ABOUT.format(4))
        program.close_box(game.window)
        h.check(program.wait_exit() == 0, "exit code after the close box")


if __name__ == "__main__":
    h.run([remove_and_import_rewrite_the_list_and_count_at_once])
