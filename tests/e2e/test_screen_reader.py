# A game heard through the accessibility bus, as a screen reader hears it: a hit, a miss
# and the board asked for twice with Ctrl+L. Each sentence comes as a new description of the
# focused letter box and as the notification shown with it; the board's group is named
# after the board. "Mr. Smyth" holds no vowel, so the vowel given away changes nothing.
import atspi
import harness as h

DESCRIBED = "object:property-change:accessible-description"
SHOWING = "object:state-changed:showing"


def test_a_hit_a_miss_and_the_board_are_heard():
    # No wait, vowels refused, case ignored.
    files = {"Filmotas.dat": h.movie_list(["Mr. Smyth"]), "Config.dat": h.settings(0, 0, 1)}
    with atspi.Bus(DESCRIBED, SHOWING) as bus, h.Session(h.BINARY, files) as session:
        program = session.start(env=bus.env)
        game = program.wait_window("Filmotas")
        board = "M, hueco, hueco, espacio, hueco, m, hueco, hueco, hueco. Fallos: 1 de 5: k."
        steps = [(["m"], "Sí, la m está. Quedan 6 letras por descubrir."),
                 (["BackSpace", "k"], "No, la k no está. Fallos: 1 de 5."),
                 (["ctrl+l"], board), (["ctrl+l"], board)]
        for keys, sentence in steps:
            told = len(bus.events)
            program.keys(game, *keys)
            bus.wait(f"the notification {sentence!r}", lambda events: any(
                e.type == SHOWING and e.detail1 == 1 and e.role == "notification" and e.name == sentence
                for e in events[told:]))
            described = [e.description for e in bus.events[told:]
                         if e.type == DESCRIBED and e.focused and e.name == "Letra" and e.description]
            assert described and set(described) == {sentence}, f"the letter box's new descriptions after {keys}"
        import pyatspi   # loaded only once atspi.Bus has set the bus address
        group = pyatspi.findDescendant(bus.application("Filmotas"), lambda o: o is not None and o.description == "fraPelicula")
        assert (group.getRoleName(), group.name) == ("panel", board)
