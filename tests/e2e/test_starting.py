"""Starting in an unusual folder: no movie list, a copy already running, no write access."""
import os
import re

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


def read_only_folder_reports_the_failure_and_closes(binary):
    with h.Session(binary, ONE_TITLE) as session:
        session.make_read_only()
        before = session.listing()
        # Root writes anywhere, so under root the program runs as an ordinary user.
        program = session.start(user="nobody" if os.geteuid() == 0 else None)
        box = program.wait_window("Error", kind="dialog")
        text = program.box_text(box)
        h.check(re.fullmatch(r"Error \d+:\n\n.+", text),
                f"general error box expected, found {text!r}")
        program.keys(box, "Return")
        program.wait_gone(box, "the start-up error box")
        window = program.game_window()
        game = h.Game(program, window)
        game.exit_by_menu()
        answered = answer_error_boxes_until_exit(program)
        h.check(answered >= 1, "writing the settings into a read-only folder must be reported")
        h.check(program.process.returncode == 0, f"exit code {program.process.returncode}")
        h.check(session.listing() == before, "the read-only folder changed")


def answer_error_boxes_until_exit(program, most=4):
    """Confirms each "Error" box the closing shows; how many there were."""
    for answered in range(most + 1):
        for _ in h.deadline_loop("an Error box or the program's end"):
            if not program.running():
                return answered
            boxes = program.windows("Error")
            if boxes:
                program.keys(boxes[0], "Return")
                program.wait_gone(boxes[0], "an Error box")
                break
    raise h.Failure(f"still running after {most} Error boxes")


if __name__ == "__main__":
    h.run([missing_movie_list_is_reported_and_created_empty,
           second_copy_in_the_same_folder_touches_nothing,
           read_only_folder_reports_the_failure_and_closes])
