# A game heard through the accessibility bus (AT-SPI), as a screen reader hears it: a hit, a
# miss and the board asked for twice with Ctrl+L. Each sentence comes as a new description
# of the focused letter box and as the notification shown with it; the board's group is named
# after the board. "Mr. Smyth" holds no vowel, so the vowel given away changes nothing.
import harness as h
from atspi import DESCRIBED, SHOWING, Bus


def test_a_hit_a_miss_and_the_board_are_heard():
    # No wait, vowels refused, case ignored.
    files = {"Filmotas.dat": h.movie_list(["Mr. Smyth"]), "Config.dat": h.settings(0, 0, 1)}
    with Bus() as bus, h.Session(h.BINARY, files) as session:
        program = session.start(env=bus.env)
        game = program.wait_window("Filmotas")
        board = "M, hueco, hueco, espacio, hueco, m, hueco, hueco, hueco. Fallos: 1 de 5: k."
        steps = [(["m"], "Sí, la m está. Quedan 6 letras por descubrir."),
                 (["BackSpace", "k"], "No, la k no está. Fallos: 1 de 5."),
                 (["ctrl+l"], board), (["ctrl+l"], board)]
        for keys, sentence in steps:
            told = len(bus.events)
            program.keys(game, *keys)
            bus.wait(f"the notification {sentence!r}", lambda events: (SHOWING, 1, "notification", sentence) in
                     [e[:4] for e in events[told:]])
            described = [description for kind, _, _, name, description, focused in bus.events[told:]
                         if kind == DESCRIBED and focused and name == "Letra" and description]
            assert described and set(described) == {sentence}, f"the letter box's new descriptions after {keys}"
        app = bus.application("Filmotas")
        group = bus.pyatspi.findDescendant(app, lambda o: o is not None and o.description == "fraPelicula")
        assert (group.getRoleName(), group.name) == ("panel", board)
