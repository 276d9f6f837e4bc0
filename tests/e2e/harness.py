# Drives the real Filmotas program the way a player does. Every session gets a fresh program
# folder (a copy of the binary plus the data files a test lays there) and its own Xvfb with
# no window manager: windows are found by title and typed at with xdotool. Every wait is
# bounded, and the programs and the server are always ended.
import os
import pathlib
import pwd
import shutil
import subprocess
import tempfile
import time

from Xlib import X, display, protocol

WAIT = 5.0   # seconds: the longest any single wait may take
BINARY = os.environ.get("FILMOTAS_BINARY")   # the program under test, named by CMake


# Polls probe() until it gives a true value, which it returns; fails after `wait` seconds.
def wait_for(what, probe, wait=WAIT):
    end = time.monotonic() + wait
    while not (value := probe()):
        assert time.monotonic() < end, f"timed out after {wait:g} s waiting for {what}"
        time.sleep(0.02)
    return value


# One record: 2-byte little-endian length, Windows-1252 bytes, zero padding.
def record(text, length):
    data = text.encode("cp1252")
    return len(data).to_bytes(2, "little") + data + bytes(length - 2 - len(data))


def movie_list(titles):
    return b"".join(record(title, 52) for title in titles)


# Config.dat: wait time, vowels option, case option, each as its text.
def settings(wait_seconds, vowels, ignore_case):
    return b"".join(record(str(value), 4) for value in (wait_seconds, vowels, ignore_case))


# A private Xvfb on the first free display, which the server itself picks and reports.
class XServer:

    def __init__(self):
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.name = ":" + self.process.stdout.readline().strip()   # empty when it failed to start
        self.x = display.Display(self.name)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY")} | {"DISPLAY": self.name}

    def stop(self):
        self.x.close()
        end_process(self.process)

    # Whether window `wid` carries the X property `name` (an icon: "_NET_WM_ICON").
    def has_property(self, wid, name):
        window = self.x.create_resource_object("window", wid)
        return window.get_full_property(self.x.intern_atom(name), X.AnyPropertyType) is not None

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True,
                              timeout=WAIT).stdout


def end_process(process):
    process.terminate()   # nothing to do when it has ended already
    try:
        process.wait(timeout=2)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


# One running program, started from outside its folder: it must find its data itself.
class Program:

    def __init__(self, session, user=None, argv=None, env=None):
        self.server = session.server
        environment = dict(self.server.env, XDG_RUNTIME_DIR=session.runtime_dir)
        if user is not None:   # an ordinary user, in its own group only: no runtime folder, no home
            environment.update(XDG_RUNTIME_DIR="", HOME="/nonexistent")
        environment.update(env or {})
        self.process = subprocess.Popen(
            argv or [session.binary], cwd=session.root, env=environment, stdin=subprocess.DEVNULL,
            stderr=subprocess.PIPE, encoding="utf-8",
            user=user, group=user and pwd.getpwnam(user).pw_gid, extra_groups=user and [])

    # The shown windows of this program whose title matches the regular expression.
    def shown(self, pattern):
        found = self.server.xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid,
                                    "--name", pattern)
        return [int(w) for w in found.split()]

    def wait_window(self, title, wait=WAIT):
        literal = "".join("\\" + c if c in ".[]{}()\\*+?^$|" else c for c in title)

        def probe():
            assert self.process.poll() is None, f"program ended (code {self.process.returncode}) before window {title!r}"
            return next(iter(self.shown(f"^{literal}$")), None)
        return wait_for(f"window {title!r}", probe, wait)

    def wait_gone(self, wid, what="window"):
        wait_for(f"{what} to close", lambda: wid not in self.shown(""))

    def keys(self, wid, *names):
        self.server.xdotool("windowfocus", "--sync", wid)
        self.server.xdotool("key", "--delay", "40", *names)

    # Key by key; a character other than a-z, A-Z and 0-9 by its Unicode keysym, which xdotool
    # binds to a spare key (so a capital outside ASCII comes out in lower case).
    def type_text(self, wid, text):
        self.keys(wid, *(c if c.isascii() and c.isalnum() else f"U{ord(c):04X}" for c in text))

    # Waits for a message box, answers it with a key and waits for it to close.
    def answer_box(self, title, key="Return", wait=WAIT):
        wid = self.wait_window(title, wait)
        self.keys(wid, key)
        self.wait_gone(wid, f"box {title!r}")

    # What a window's close box does: asks the window to close (WM_DELETE_WINDOW).
    def close_box(self, wid):
        x = self.server.x
        window = x.create_resource_object("window", wid)
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        x.flush()

    def wait_exit(self):
        return self.process.wait(timeout=WAIT)


# A program folder with the binary and the given files, and its own X server.
class Session:

    def __init__(self, binary, files=None):
        self.root = tempfile.mkdtemp(prefix="filmotas-e2e-")
        os.chmod(self.root, 0o755)   # another user may have to reach the program folder
        self.folder = os.path.join(self.root, "program")
        os.mkdir(self.folder)
        self.binary = shutil.copy2(binary, self.path("filmotas"))
        for name, data in (files or {}).items():
            pathlib.Path(self.path(name)).write_bytes(data)
        self.runtime_dir = os.path.join(self.root, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        self.programs = []

    def __enter__(self):
        self.server = XServer()
        return self

    def __exit__(self, *exc):
        for program in self.programs:
            end_process(program.process)
        self.server.stop()
        shutil.rmtree(self.root, ignore_errors=True)

    # Starts the copied binary, or the command argv, with env added to the environment.
    def start(self, user=None, argv=None, env=None):
        self.programs.append(Program(self, user, argv, env))
        return self.programs[-1]

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        file = pathlib.Path(self.path(name))
        return file.read_bytes() if file.exists() else None

    def wait_file_size(self, name, size):
        wait_for(f"{name} to be {size} bytes", lambda: len(self.read(name) or b"") == size)
