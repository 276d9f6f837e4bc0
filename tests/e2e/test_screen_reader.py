# A game heard through the accessibility bus (AT-SPI), as a screen reader hears it: a hit, a
# miss and the board asked for twice with Ctrl+L. Each sentence comes as a new description
# of the focused letter box and as the notification shown with it; the board's group is named
# after the board. "Mr. Smyth" holds no vowel, so the vowel given away changes nothing.
import contextlib
import os
import signal
import subprocess

import harness as h

DESCRIBED = "object:property-change:accessible-description"
SHOWING = "object:state-changed:showing"


class Bus:
    """A private session bus with the accessibility bus on it, for this process and the
    programs it starts; it keeps the events a screen reader would hear from its start."""

    def __enter__(self):
        self.session = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        # What a program needs; this process's AT-SPI library reads the same before its first use.
        self.env = {"DBUS_SESSION_BUS_ADDRESS": self.session.stdout.readline().strip(),
                    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        os.environ.update(self.env)
        # Its own process group: the bus and the registry it starts end with it.
        self.launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        import pyatspi
        from gi.repository import GLib
        self.pyatspi, self.context, self.events = pyatspi, GLib.MainContext.default(), []
        h.wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0) is not None)
        pyatspi.Registry.registerEventListener(self.hear, DESCRIBED, SHOWING)
        return self

    def __exit__(self, *exc):
        with contextlib.suppress(ProcessLookupError):   # the launcher's group: the bus and the registry
            os.killpg(self.launcher.pid, signal.SIGTERM)
        for process in (self.launcher, self.session):
            h.end_process(process)

    # Each event with its object as it was then.
    def hear(self, event):
        source = event.source
        self.events.append((event.type, event.detail1, source.getRoleName(), source.name, source.description,
                            source.getState().contains(self.pyatspi.STATE_FOCUSED)))

    def wait(self, what, probe):
        """Receives events until probe(events) gives a true value."""
        def pumped():
            while self.context.pending():
                self.context.iteration(False)
            return probe(self.events)
        h.wait_for(what, pumped)


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
        app = h.wait_for("the game on the accessibility bus", lambda: next(
            (a for a in bus.pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Filmotas"), None))
        group = bus.pyatspi.findDescendant(app, lambda o: o is not None and o.description == "fraPelicula")
        assert (group.getRoleName(), group.name) == ("panel", board)
