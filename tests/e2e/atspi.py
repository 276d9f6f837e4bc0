# What assistive technology sees of a program under test: a private D-Bus session with the
# accessibility bus (AT-SPI) on it, the environment that makes a Qt program speak there,
# and a listener that keeps the events a screen reader would hear. Nothing here knows the
# program: find its objects by role, name or description.
import os
import signal
import subprocess

from harness import wait_for


class Bus:
    """The session bus and the accessibility bus, for this process and the programs it starts."""

    def __init__(self):
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

    def stop(self):
        for process, group in ((self.launcher, True), (self.session, False)):
            try:
                os.killpg(process.pid, signal.SIGTERM) if group else process.terminate()
                process.wait(timeout=2)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                process.kill()
                process.wait()

    def application(self, name):
        """The running application of that name, once it has joined the bus."""
        def probe():
            desktop = self.registry.getDesktop(0)
            return next((app for app in desktop if app is not None and app.name == name), None)
        return wait_for(f"application {name!r} on the accessibility bus", probe)


class Heard:
    """One event as a screen reader received it, with its object as it was then."""

    def __init__(self, event):
        source = event.source
        self.type = event.type
        self.detail1 = event.detail1
        self.role = source.getRoleName()
        self.name = source.name
        self.description = source.description
        self.focused = source.getState().contains(_pyatspi().STATE_FOCUSED)

    def __repr__(self):
        return f"<{self.type} {self.detail1} {self.role} {self.name!r} {self.description!r}>"


class Listener:
    """Keeps every event of the given types (as "object:state-changed:showing") from now on."""

    def __init__(self, bus, *event_types):
        self.events = []
        self.registry = bus.registry
        self.registry.registerEventListener(self._heard, *event_types)

    def _heard(self, event):
        self.events.append(Heard(event))

    def pump(self):
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def wait(self, what, probe):
        """Receives events until probe(events) gives a true value, which it returns."""
        def pumped():
            self.pump()
            return probe(self.events)
        return wait_for(what, pumped)


def find(root, predicate):
    """The first object under root (root included) for which predicate holds."""
    return _pyatspi().findDescendant(root, predicate) if not predicate(root) else root


def find_all(root, predicate):
    """Every object under root (root left out) for which predicate holds."""
    return _pyatspi().findAllDescendants(root, predicate)


def _pyatspi():
    import pyatspi
    return pyatspi

