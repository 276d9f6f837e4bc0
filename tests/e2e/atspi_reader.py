"""What a screen reader reads of a running program: its windows' accessible objects over
AT-SPI. The program and this reader meet on a private D-Bus session bus with its own
accessibility bus, so nothing of the desktop running the tests is touched.

The reading itself runs as `python3 atspi_reader.py PID TITLE` in a child process with
the bus in its environment: pyatspi binds to the bus named when it is first imported."""
import json
import os
import subprocess
import sys

import harness as h

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


# A session bus and an accessibility bus, for the program (`env`) and the reader.
class AccessibilityBus:

    def __init__(self, server):
        self.daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = self.daemon.stdout.readline().strip()
        assert address, "the session bus did not start"
        # Qt talks to assistive technology only when asked to, or when one is running.
        self.env = {"DBUS_SESSION_BUS_ADDRESS": address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        self.launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=dict(server.env, **self.env),
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        h.end_process(self.launcher)
        h.end_process(self.daemon)

    # Every accessible object of the program's window `title`: role, name and description.
    def read_window(self, program, title):
        def probe():
            done = subprocess.run([sys.executable, __file__, str(program.process.pid), title],
                                  env=dict(program.server.env, **self.env), capture_output=True, text=True,
                                  timeout=h.WAIT)
            return json.loads(done.stdout) if done.returncode == 0 else None
        return h.wait_for(f"window {title!r} over AT-SPI", probe)


def _objects(node, found):
    found.append({"role": node.getRoleName(), "name": node.name, "description": node.description})
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            _objects(child, found)
    return found


def _read(pid, title):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is None or app.get_process_id() != pid:
            continue
        for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
            if window is not None and window.name == title:
                return _objects(window, [])
    return None


if __name__ == "__main__":
    objects = _read(int(sys.argv[1]), sys.argv[2])
    if objects is None:
        sys.exit(1)
    json.dump(objects, sys.stdout)
