"""Starting from outside the program folder: the files lie beside the program, one copy a folder,
which a stopped copy holds up no longer and a closed game window lets go of."""
import os
import signal

import harness as h


def folder_state(session):
    """Every file of the program folder with its time stamp and its bytes."""
    return {name: (os.stat(session.path(name)).st_mtime_ns, session.read(name))
            for name in os.listdir(session.folder)}


def stacked_above(server, upper, lower):
    """Whether window `upper` lies above `lower`: the root lists its children bottom first."""
    ids = [child.id for child in server.x.screen().root.query_tree().children]
    return ids.index(upper) > ids.index(lower)


def test_files_made_beside_the_program_and_later_copies_bring_it_forward_unless_stopped():
    with h.Session(h.BINARY) as session:
        first = session.start()
        first.answer_box("No hay filmotas")   # no list yet: told, then the game goes on
        window = first.wait_window("Filmotas")
        assert session.read("Filmotas.dat") == b"", "Filmotas.dat created empty"
        other = session.start(argv=[session.path("filmotas"), "--data-dir", os.path.join(session.root, "otra")])
        other.answer_box("No hay filmotas")
        covering = other.wait_window("Filmotas")
        session.server.xdotool("windowraise", str(covering))
        assert stacked_above(session.server, covering, window), "the other game on top to begin with"
        before = folder_state(session)
        second = session.start()
        second.answer_box("Filmotas")
        assert second.wait_exit() == 0, "exit code of the second copy"
        assert "filmotas: Filmotas ya se está ejecutando.\n" in second.process.stderr.read()
        assert folder_state(session) == before, "the second copy changed the program folder"
        assert stacked_above(session.server, window, covering), "the running game was not raised"
        first.process.send_signal(signal.SIGSTOP)
        try:
            third = session.start()
            third.answer_box("Filmotas", wait=2)   # the request gives up within a second
            assert third.wait_exit() == 0, "exit code of a copy after a stopped one"
        finally:
            first.process.send_signal(signal.SIGCONT)
        assert "filmotas: la copia que ya se está ejecutando no responde.\n" in third.process.stderr.read()


def test_read_only_folder_is_one_box_naming_it_then_the_end():
    with h.Session(h.BINARY, {"Filmotas.dat": h.movie_list(["Volver"])}) as session:
        os.chmod(session.folder, 0o555)
        before = folder_state(session)
        # Root writes anywhere, so under root the program runs as an ordinary user.
        program = session.start(user="nobody" if os.geteuid() == 0 else None)
        program.answer_box("Filmotas")
        assert program.wait_exit() == 1, "exit code after the box"
        assert f"filmotas: No se puede escribir en la carpeta de datos «{session.folder}».\n" in program.process.stderr.read()
        assert folder_state(session) == before, "the read-only folder changed"
        os.chmod(session.folder, 0o755)


def test_a_help_window_left_open_lets_a_new_start_play():
    with h.Session(h.BINARY, {"Filmotas.dat": h.movie_list(["Volver"]), "Ayuda.dat": b""}) as session:
        first = session.start()
        game = first.wait_window("Filmotas")
        first.keys(game, "alt+y", "a")   # "Ayuda" > "Ayuda"
        helping = first.wait_window("Ayuda")
        assert session.server.has_property(helping, "_NET_WM_ICON"), "the game's icon on the help window"
        first.close_box(game)
        first.wait_gone(game, "the game window")
        second = session.start()
        window = second.wait_window("Filmotas")
        # The second copy plays: its letter box takes a letter, which its game records.
        letters = session.read("Temp.dat")
        second.type_text(window, "z")
        session.wait_file_size("Temp.dat", len(letters) + 3)
        assert first.shown("^Ayuda$") == [helping], "the help window stays open"
