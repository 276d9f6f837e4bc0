# A private accessibility bus (AT-SPI) for the end-to-end scripts that listen as a screen
# reader does.
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

    def application(self, name):
        """The running program of that name, once it has joined the bus."""
        return h.wait_for(f"{name} on the accessibility bus", lambda: next(
            (a for a in self.pyatspi.Registry.getDesktop(0) if a is not None and a.name == name), None))
