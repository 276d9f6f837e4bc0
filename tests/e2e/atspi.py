# What assistive technology hears of a program under test: a private D-Bus session with the
# accessibility bus (AT-SPI) on it, the environment that makes a Qt program speak there, and
# the events a screen reader would hear. Nothing here knows the program.
import collections
import os
import signal
import subprocess

from harness import wait_for

# One event as a screen reader received it, with its object as it was then.
Heard = collections.namedtuple("Heard", "type detail1 role name description focused")


class Bus:
    """The session bus and the accessibility bus, for this process and the programs it starts;
    it keeps every event of the given types (as "object:state-changed:showing") from its start."""

    def __init__(self, *event_types):
        self.session = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = self.session.stdout.readline().strip()
        # What a program needs; this process's AT-SPI library reads the same before its first use.
        self.env = {"DBUS_SESSION_BUS_ADDRESS": address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        os.environ.update(self.env)
        # Its own process group: the bus and the registry it starts end with it.
        self.launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        import pyatspi
        self.registry = pyatspi.Registry
        wait_for("the accessibility registry", lambda: self.registry.getDesktop(0) is not None)
        self.events = []
        self.registry.registerEventListener(lambda e: self.events.append(Heard(
            e.type, e.detail1, e.source.getRoleName(), e.source.name, e.source.description,
            e.source.getState().contains(pyatspi.STATE_FOCUSED))), *event_types)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for process, group in ((self.launcher, True), (self.session, False)):
            try:
                os.killpg(process.pid, signal.SIGTERM) if group else process.terminate()
                process.wait(timeout=2)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                process.kill()
                process.wait()

    def application(self, name):
        """The running application of that name, once it has joined the bus."""
        return wait_for(f"application {name!r} on the accessibility bus", lambda: next(
            (app for app in self.registry.getDesktop(0) if app is not None and app.name == name), None))

    def wait(self, what, probe):
        """Receives events until probe(events) gives a true value, which it returns."""
        from gi.repository import GLib
        context = GLib.MainContext.default()

        def pumped():
            while context.pending():
                context.iteration(False)
            return probe(self.events)
        return wait_for(what, pumped)
