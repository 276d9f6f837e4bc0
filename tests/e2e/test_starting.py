"""Starting from outside the program folder: the files lie beside the program, one copy a folder."""
import os

import harness as h

NO_TITLES = ("No hay ninguna película almacenada. Para poder jugar tendrá que agregar "
             "filmotas o instalar de nuevo el programa.")


def missing_movie_list_is_reported_and_the_files_are_made_beside_the_program(binary):
    with h.Session(binary) as session:
        program = session.start()
        program.answer_box("No hay filmotas", text=NO_TITLES)
        window = program.game_window()
        h.check_bytes(session.read("Filmotas.dat"), b"", "Filmotas.dat created empty")
        h.check_bytes(session.read("Config.dat"), b"", "Config.dat created empty at start-up")
        h.given_vowel(session.read("Temp.dat"))   # the vowel is given away all the same
        program.close_box(window)
        h.check(program.wait_exit() == 0, "exit code after the close box")
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat on exit")


def second_copy_in_the_same_folder_touches_nothing(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list(["Casablanca"])}) as session:
        def listing():
            return {name: (os.stat(session.path(name)).st_mtime_ns, session.read(name))
                    for name in os.listdir(session.folder)}
        first = session.start()
        window = first.game_window()
        before = listing()
        second = session.start()
        second.wait_window("Filmotas", kind="dialog")
        h.check(all(second.is_dialog(w) for w in second.windows("Filmotas")),
                "the second copy must not open a game window")
        second.answer_box("Filmotas", text="Filmotas ya se está ejecutando.")
        h.check(second.wait_exit() == 0, "exit code of the second copy")
        h.check(listing() == before, "the second copy changed the program folder")
        h.check(first.running(), "the first copy must keep running")
        first.close_box(window)
        h.check(first.wait_exit() == 0, "exit code of the first copy")


def read_only_folder_is_one_box_naming_it_then_the_end(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list(["Volver"])}) as session:
        os.chmod(session.folder, 0o555)
        files = lambda: {name: session.read(name) for name in os.listdir(session.folder)}
        before = files()
        # Root writes anywhere, so under root the program runs as an ordinary user.
        program = session.start(user="nobody" if os.geteuid() == 0 else None)
        program.answer_box("Filmotas", text=f"No se puede escribir en la carpeta de datos «{session.folder}».")
        code = program.wait_exit()
        h.check(code == 1, f"exit code {code}")
        h.check(files() == before, "the read-only folder changed")
        os.chmod(session.folder, 0o755)


if __name__ == "__main__":
    h.run([missing_movie_list_is_reported_and_the_files_are_made_beside_the_program,
           second_copy_in_the_same_folder_touches_nothing,
           read_only_folder_is_one_box_naming_it_then_the_end])
