# Drives the real Filmotas program the way a player does.
# Every session gets a fresh program folder (a copy of the binary plus the data files a
# test lays there) and its own Xvfb server. There is no window manager: windows are found
# by title with xdotool and typed at with `xdotool key`. Every wait is bounded, and the
# program and the server are always ended.
import os
import pwd
import select
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from Xlib import X, Xatom, display, protocol

WAIT = 5.0    # seconds: the longest any single wait may take
POLL = 0.02   # seconds between two looks for a window or a file


# The key for a character: its own name for a-z, A-Z and 0-9, else its Unicode keysym
# (xdotool binds it to a spare key, whose shifted level gives a capital).
def keysym(char):
    if char.isascii() and char.isalnum():
        return char
    return ("shift+" if char != char.lower() else "") + f"U{ord(char.lower()):04X}"


# A check of a test did not hold; its message is the reason shown.
class Failure(AssertionError):
    pass


def check(condition, reason):
    if not condition:
        raise Failure(reason)


def check_bytes(actual, expected, what):
    def show(data):
        return "no file" if data is None else data.hex(" ") or "an empty file"
    check(actual == expected, f"{what}: expected {show(expected)}, found {show(actual)}")


# Polls probe() until it gives a true value, which it returns; fails after timeout.
def wait_for(what, probe, timeout=WAIT):
    end = time.monotonic() + timeout
    while not (value := probe()):
        check(time.monotonic() < end, f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(POLL)
    return value


# ---- Record files -------------------------------------------------------------------

# One record: 2-byte little-endian length, Windows-1252 bytes, zero padding.
def record(text, length):
    data = text.encode("cp1252")
    return len(data).to_bytes(2, "little") + data + bytes(length - 2 - len(data))


def records(texts, length):
    return b"".join(record(t, length) for t in texts)


def movie_list(titles):
    return records(titles, 52)


# Config.dat as the program writes it: wait time, vowels option, case option.
def settings(wait_seconds, vowels, ignore_case):
    return records([str(wait_seconds), str(vowels), str(ignore_case)], 4)


DEFAULT_SETTINGS = settings(1, 0, 1)


# The vowel a new game gave away: Temp.dat starts with it in upper, then lower case.
def given_vowel(temp_dat):
    vowel = (temp_dat or b"  ")[2:3].decode("cp1252")
    check(vowel in list("AEIOU") and temp_dat[:6] == records([vowel, vowel.lower()], 3),
          f"Temp.dat does not start with a given vowel: {temp_dat!r}")
    return vowel


# ---- X server -----------------------------------------------------------------------

# A private Xvfb on the first free display, chosen by the server itself.
class XServer:

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.x = None
        try:
            check(select.select([read_end], [], [], WAIT)[0], "Xvfb did not report a display")
            self.name = ":" + os.read(read_end, 16).decode().strip()
            self.x = display.Display(self.name)
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY")}
        self.env["DISPLAY"] = self.name

    def stop(self):
        if self.x is not None:
            self.x.close()
            self.x = None
        end_process(self.process)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=WAIT).stdout

    def window(self, wid):
        return self.x.create_resource_object("window", wid)


# What a window's close box does: asks the window to close (WM_DELETE_WINDOW).
def request_close(x, window):
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
        data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
    x.flush()


def end_process(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=2)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


# ---- The program --------------------------------------------------------------------

# One running program, started from outside its folder: it must find its data itself.
class Program:

    def __init__(self, session, user=None, argv=None, env=None):
        self.server = session.server
        environment = dict(self.server.env, XDG_RUNTIME_DIR=session.runtime_dir)
        options = {}
        if user is not None:   # an ordinary user: no runtime folder, no home
            options = dict(user=user, group=pwd.getpwnam(user).pw_gid, extra_groups=[])
            del environment["XDG_RUNTIME_DIR"]
            environment["HOME"] = "/nonexistent"
        environment.update(env or {})
        self.process = subprocess.Popen(
            argv or [session.binary], cwd=session.root, env=environment, stdin=subprocess.DEVNULL,
            stdout=session.log, stderr=session.log, **options)

    def windows(self, title):
        pattern = "".join("\\" + c if c in ".[]{}()\\*+?^$|" else c for c in title)   # a literal
        found = self.server.xdotool("search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                                    "--name", f"^{pattern}$")
        return [int(w) for w in found.split()]

    def is_dialog(self, wid):
        x = self.server.x
        types = self.server.window(wid).get_full_property(x.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM)
        return x.intern_atom("_NET_WM_WINDOW_TYPE_DIALOG") in (types.value if types else [])

    # The visible window of this program with exactly this title. kind "main" skips
    # dialogs (a message box may share the game window's title), "dialog" keeps only them.
    def wait_window(self, title, timeout=WAIT, kind=None):
        def probe():
            check(self.running(), f"program ended (exit code {self.process.returncode}) "
                                  f"before window {title!r} appeared")
            return next((w for w in self.windows(title)
                         if kind is None or self.is_dialog(w) == (kind == "dialog")), None)
        return wait_for(f"window {title!r}", probe, timeout)

    def game_window(self, timeout=WAIT):
        return self.wait_window("Filmotas", timeout, kind="main")

    def wait_gone(self, wid, what="window", timeout=WAIT):
        def gone():
            try:
                return self.server.window(wid).get_attributes().map_state != X.IsViewable
            except Exception:
                return True   # destroyed
        wait_for(f"{what} to close", gone, timeout)

    # -- input --

    # Focuses the window, then presses the keys one after another.
    def keys(self, wid, *names):
        self.server.xdotool("windowfocus", "--sync", str(wid))
        self.server.xdotool("key", "--delay", "40", *names)

    # Types a text into the focused box of a window, key by key.
    def type_text(self, wid, text):
        self.keys(wid, *map(keysym, text))

    # Opens a menu by its access key and picks an item by its access key.
    def menu(self, wid, menu_key, item_key):
        self.keys(wid, "alt+" + menu_key)
        wait_for(f"the menu of alt+{menu_key} to open", self._popup_shown)
        self.server.xdotool("key", item_key)

    # A pop-up is a shown window that bypasses the (absent) window manager.
    def _popup_shown(self):
        for child in self.server.x.screen().root.query_tree().children:
            try:
                attributes = child.get_attributes()
            except Exception:
                continue   # gone meanwhile
            if attributes.map_state == X.IsViewable and attributes.override_redirect:
                return True
        return False

    # Waits for a message box, checks its text when one is given, answers it with a
    # key and waits for it to close.
    def answer_box(self, title, key="Return", text=None):
        wid = self.wait_window(title, kind="dialog")
        if text is not None:
            found = self.box_text(wid)
            check(found == text.replace("\r\n", "\n"), f"box text: expected {text!r}, found {found!r}")
        self.keys(wid, key)
        self.wait_gone(wid, f"box {title!r}")

    # The text of a message box, selected with the pointer into the PRIMARY selection:
    # from a point P of the label back to the box's top left corner, then from P on to
    # its bottom right corner. A click beside P between the two drags clears the first
    # selection, so the second press does not drag the selected text away.
    def box_text(self, wid):
        geometry = self.server.window(wid).get_geometry()
        w, h = geometry.width, geometry.height
        for x, y in ((w // 2, 15), (w // 2, 22), (w * 2 // 3, 12), (w // 2, 30)):
            before = self._drag_select(wid, (x, y), (0, 0))
            if before is not None:
                self._click(wid, (x - 10, y))
                after = self._drag_select(wid, (x, y), (w - 1, h - 1)) or ""
                self._click(wid, (x - 10, y))
                return (before + after).replace("\r\n", "\n")
        raise Failure("the text of the message box could not be selected")

    def _click(self, wid, point):
        self.server.xdotool("mousemove", "--window", str(wid), *map(str, point), "click", "1")

    # Drags from start to end inside the window; the selected text, or None.
    def _drag_select(self, wid, start, end):
        selection = PrimarySelection(self.server.x)
        try:
            self.server.xdotool("mousemove", "--window", str(wid), *map(str, start), "mousedown", "1")
            self.server.xdotool("mousemove", "--window", str(wid), *map(str, end), "mouseup", "1")
            return selection.read_foreign()
        finally:
            selection.close()

    def close_box(self, wid):
        request_close(self.server.x, self.server.window(wid))

    # -- life --

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=WAIT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"program still running {timeout:.0f} s after it should have ended")


# Reads the X PRIMARY selection; claimed first, so a fresh one is told from a stale one.
class PrimarySelection:

    def __init__(self, x):
        self.x = x
        self.me = x.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.atom = x.intern_atom("PRIMARY")
        self.me.set_selection_owner(self.atom, X.CurrentTime)
        x.sync()

    def close(self):
        self.me.destroy()
        self.x.sync()

    # The selection's text once another client owns it; None when none does within 1 s.
    def read_foreign(self):
        def foreign():
            owner = self.x.get_selection_owner(self.atom)
            return owner not in (X.NONE, 0) and owner.id != self.me.id
        try:
            wait_for("the selection", foreign, 1.0)
        except Failure:
            return None
        target = self.x.intern_atom("E2E_SELECTION")
        self.me.convert_selection(self.atom, self.x.intern_atom("UTF8_STRING"), target, X.CurrentTime)
        self.x.flush()

        def converted():
            while self.x.pending_events():
                if self.x.next_event().type == X.SelectionNotify:
                    value = self.me.get_full_property(target, X.AnyPropertyType)
                    return [value.value.decode("utf-8") if value else ""]
            return None
        return wait_for("the selection's text", converted, 1.0)[0]


# The game window of a running program, typed at letter by letter.
class Game:

    def __init__(self, program, window):
        self.program = program
        self.window = window

    def type_letter(self, char):
        # BackSpace first: it frees the one-character letter box at once, whether or not
        # the wait timer has emptied it yet.
        self.program.keys(self.window, "BackSpace", keysym(char))

    def exit_by_menu(self):
        self.program.menu(self.window, "a", "s")


# ---- A test session -----------------------------------------------------------------

# A program folder with the binary and the given files, and its own X server.
class Session:

    def __init__(self, binary, files=None):
        self.root = tempfile.mkdtemp(prefix="filmotas-e2e-")
        os.chmod(self.root, 0o755)   # another user may have to reach the program folder
        self.folder = os.path.join(self.root, "program")
        os.mkdir(self.folder)
        self.binary = shutil.copy2(binary, os.path.join(self.folder, "filmotas"))
        for name, data in (files or {}).items():
            self.write(name, data)
        self.runtime_dir = os.path.join(self.root, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        self.log = open(os.path.join(self.root, "program.log"), "wb")
        self.server = None
        self.programs = []

    def __enter__(self):
        self.server = XServer()
        return self

    def __exit__(self, *exc):
        for program in self.programs:
            end_process(program.process)
        if self.server is not None:
            self.server.stop()
        self.log.close()
        if isinstance(exc[1], Exception):
            with open(self.log.name, "rb") as log:
                exc[1].program_output = log.read().decode("utf-8", "replace").strip()
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    # Starts the copied binary, or the command argv, with env added to the environment.
    def start(self, user=None, argv=None, env=None):
        program = Program(self, user, argv, env)
        self.programs.append(program)
        return program

    # Starts the program and returns its game window, ready for letters.
    def start_game(self):
        program = self.start()
        return Game(program, program.game_window())

    # -- files of the program folder --

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        try:
            with open(self.path(name), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)

    def wait_file_size(self, name, size, timeout=WAIT):
        path = self.path(name)
        wait_for(f"{name} to be {size} bytes",
                 lambda: os.path.exists(path) and os.path.getsize(path) == size, timeout)


# Runs the test cases of one script; exits non-zero when any of them fails.
def run(cases):
    check(len(sys.argv) == 2, "usage: test_x.py <path of the filmotas binary>")
    binary = os.path.abspath(sys.argv[1])
    failed = 0
    for case in cases:
        started = time.monotonic()
        try:
            case(binary)
            print(f"ok   {case.__name__} ({time.monotonic() - started:.1f} s)")
        except Exception as error:
            failed += 1
            print(f"FAIL {case.__name__}: {error}")
            if not isinstance(error, Failure):
                traceback.print_exc(file=sys.stdout)
            if getattr(error, "program_output", ""):
                print("  program output:\n    " + error.program_output.replace("\n", "\n    "))
    sys.stdout.flush()
    sys.exit(1 if failed else 0)
