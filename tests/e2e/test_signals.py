"""Ended by a signal (a logout, a shutdown, Ctrl+C): closed as by the close box. The game plays
in a folder whose name is not UTF-8, which it uses byte for byte."""
import os
import pathlib
import signal

import harness as h


def test_sigterm_writes_the_changed_options_and_changes_nothing_else():
    with h.Session(h.BINARY) as session:
        folder = pathlib.Path(session.root, os.fsdecode(b"partida\xe9"))   # Latin-1
        folder.mkdir()
        (folder / "Filmotas.dat").write_bytes(h.movie_list(["Volver"]))
        (folder / "Config.dat").write_bytes(h.settings(1, 0, 1))
        program = session.start(argv=[session.binary, f"--data-dir={folder}"])
        game = program.wait_window("Filmotas")
        letters = (folder / "Temp.dat").read_bytes()   # the vowel given away, in both cases
        given = letters[2:3].decode().lower()
        vowel = next(v for v in "aeiou" if v != given)
        # The options panel shown, then back from the letter box past the slider to "Se pueden
        # decir vocales", ticked; the letter box again takes a vowel, which the game records
        # only once vowels may be said, so every key has been taken before the signal.
        program.keys(game, "alt+o", "m", "shift+Tab", "shift+Tab", "space", "Tab", "Tab", vowel)
        h.wait_for("the vowel", lambda: len((folder / "Temp.dat").read_bytes()) == len(letters) + 3)
        before = {name: (folder / name).read_bytes() for name in ("Filmotas.dat", "Temp.dat")}
        program.process.send_signal(signal.SIGTERM)
        assert program.wait_exit() == 0, "exit code after SIGTERM"
        assert (folder / "Config.dat").read_bytes() == h.settings(1, 1, 1), "Config.dat holds the changed option"
        assert {name: (folder / name).read_bytes() for name in before} == before, "the list and the game's letters"
        assert sorted(os.listdir(folder)) == ["Config.dat", "Filmotas.dat", "Historial.tsv", "Temp.dat"], "nothing left behind"
        kept = (folder / "Historial.tsv").read_text().splitlines()[1:]
        assert [line.split("\t")[1] for line in kept] == ["abandonada"], "the game the signal ended, kept as abandoned"
        assert os.listdir(session.folder) == ["filmotas"], "nothing beside the program"
