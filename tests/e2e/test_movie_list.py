"""The movie list window on a game in progress: remove a title, correct one, import a
text file."""
import harness as h


def test_remove_correct_and_import_rewrite_the_list():
    imported = "\ufeffAmélie\r\ncasablanca\r\n   \r\nLa strada".encode("utf-8")
    with h.Session(h.BINARY, {"Filmotas.dat": h.movie_list(["Casablanca", "Volver", "Ran"]),
                            "nuevas.txt": imported}) as session:
        program = session.start()
        game = program.wait_window("Filmotas")
        temp = session.read("Temp.dat")
        program.keys(game, "alt+a", "l")   # an open menu takes the item's key
        window = program.wait_window("Lista de filmotas")
        # The filter box, then the list with its one row shown; then the title's own editor.
        program.keys(window, "alt+b", *"VOLV", "alt+t", "Delete")
        program.answer_box("Quitar filmotas")
        program.keys(window, "alt+b", "ctrl+a", *"ran", "alt+t", "F2", "ctrl+a")
        program.type_text(window, "Ran de Kurosawa")
        program.keys(window, "Return", "alt+i")
        chooser = program.wait_window("Importar filmotas")
        program.keys(chooser, "ctrl+a")               # the file name box holds the focus
        session.server.xdotool("type", "--delay", "10", session.path("nuevas.txt"))
        program.keys(chooser, "Return")
        # The program took every earlier key in turn: the report closes the removal, the
        # correction and the import. Its counts are the core tests' business.
        program.answer_box("Filmotas importadas")
        # Volver removed, Ran corrected, two titles imported.
        assert session.read("Filmotas.dat") == h.movie_list(["Casablanca", "Ran de Kurosawa", "Amélie", "La strada"])
        program.keys(window, "Escape")
        program.wait_gone(window, "the list window")
        assert session.read("Temp.dat") == temp, "Temp.dat of the game in progress"
