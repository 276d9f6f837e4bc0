"""Ended by a signal (a logout, a shutdown, Ctrl+C): closed as by the close box."""
import signal

import harness as h


def test_sigterm_writes_the_changed_options_and_changes_nothing_else():
    files = {"Filmotas.dat": h.movie_list(["Volver"]), "Config.dat": h.settings(1, 0, 1)}
    with h.Session(h.BINARY, files) as session:
        program = session.start()
        game = program.wait_window("Filmotas")
        letters = session.read("Temp.dat")   # the vowel given away, in both cases
        given = letters[2:3].decode().lower()
        vowel = next(v for v in "aeiou" if v != given)
        # The options panel shown, then back from the letter box to the last of its controls,
        # "Se pueden decir vocales", ticked; the letter box again takes a vowel, which the game
        # records only once vowels may be said, so every key has been taken before the signal.
        program.keys(game, "alt+o", "m", "shift+Tab", "space", "Tab", vowel)
        session.wait_file_size("Temp.dat", len(letters) + 3)
        before = {name: session.read(name) for name in ("Filmotas.dat", "Temp.dat")}
        program.signal(signal.SIGTERM)
        assert program.wait_exit() == 0, "exit code after SIGTERM"
        assert session.read("Config.dat") == h.settings(1, 1, 1), "Config.dat holds the changed option"
        assert {name: session.read(name) for name in before} == before, "the list and the game's letters"
