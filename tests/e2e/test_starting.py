"""Starting in an unusual folder: no movie list, a copy already running, no write access."""
import os

import harness as h

ONE_TITLE = {"Filmotas.dat": h.movie_list(["Casablanca"])}
NO_TITLES = ("No hay ninguna película almacenada. Para poder jugar tendrá que agregar "
             "filmotas o instalar de nuevo el programa.")


def missing_movie_list_is_reported_and_created_empty(binary):
    with h.Session(binary) as session:
        program = session.start()
        program.answer_box("No hay filmotas", text=NO_TITLES)
        window = program.game_window()
        h.check_bytes(session.read("Filmotas.dat"), b"", "Filmotas.dat created empty")
        h.given_vowel(session.read("Temp.dat"))   # the vowel is given away all the same
        program.close_box(window)
        h.check(program.wait_exit() == 0, "exit code after the close box")
        h.check_bytes(session.read("Config.dat"), h.DEFAULT_SETTINGS, "Config.dat on exit")


def second_copy_in_the_same_folder_touches_nothing(binary):
    with h.Session(binary, ONE_TITLE) as session:
        first = session.start()
        window = first.game_window()
        before = session.listing()
        second = session.start()
        second.wait_window("Filmotas", kind="dialog")
        h.check(all(second.is_dialog(w) for w in second.windows("Filmotas")),
                "the second copy must not open a game window")
        second.answer_box("Filmotas", text="Filmotas ya se está ejecutando.")
        h.check(second.wait_exit() == 0, "exit code of the second copy")
        h.check(session.listing() == before, "the second copy changed the program folder")
        h.check(first.running(), "the first copy must keep running")
        first.close_box(window)
        h.check(first.wait_exit() == 0, "exit code of the first copy")


def read_only_folder_is_one_box_naming_it_then_the_end(binary):
    with h.Session(binary, ONE_TITLE) as session:
        session.make_read_only()
        before = session.listing()
        # Root writes anywhere, so under root the program runs as an ordinary user.
        program = session.start(user="nobody" if os.geteuid() == 0 else None)
        program.answer_box("Filmotas", text=f"No se puede escribir en la carpeta de datos «{session.folder}».")
        code = program.wait_exit()
        h.check(code == 1, f"exit code {code}")
        h.check(session.listing() == before, "the read-only folder changed")


if __name__ == "__main__":
    h.run([missing_movie_list_is_reported_and_created_empty,
           second_copy_in_the_same_folder_touches_nothing,
           read_only_folder_is_one_box_naming_it_then_the_end])
