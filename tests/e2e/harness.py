"""Drives the real Filmotas program the way a player does.

Every session gets a fresh program folder (a copy of the binary plus the data files a
test lays there) and its own Xvfb server. There is no window manager: windows are found
by title with xdotool, focused with `windowfocus --sync`, and typed at with `xdotool
key`. Every wait is bounded, and the program and the server are always ended.
"""
import os
import pwd
import select
import shutil
import stat
import subprocess
import sys
import tempfile
import time
import traceback
import zlib

from Xlib import X, Xatom, display, protocol

WAIT = 5.0        # seconds: the longest any single wait may take
POLL = 0.02       # seconds between two looks for a window or a file
KEY_DELAY_MS = 40

# Key names for the characters a title may hold beyond a-z, A-Z and 0-9.
KEYSYMS = {
    " ": "space", "ñ": "ntilde", "Ñ": "Ntilde", "á": "aacute", "é": "eacute",
    "í": "iacute", "ó": "oacute", "ú": "uacute", "ü": "udiaeresis",
    "Á": "Aacute", "É": "Eacute", "Í": "Iacute", "Ó": "Oacute", "Ú": "Uacute",
    "-": "minus", ":": "colon", ",": "comma", ".": "period", "'": "apostrophe",
}

VOWELS = "AEIOU"

# Where the game window's buttons lie in its designed client area, in twips.
TWIPS_PER_PIXEL = 15
CLIENT_HEIGHT_TWIPS = 2085
LETTER_BOX = (360, 720, 495, 405)
SALIR = (5040, 1320, 1095, 375)
RESPONDER = (3840, 1320, 1095, 375)
ACEPTAR = (5280, 720, 855, 375)


class Failure(AssertionError):
    """A check of a test did not hold; its message is the reason shown."""


def check(condition, reason):
    if not condition:
        raise Failure(reason)


def check_bytes(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {show_bytes(expected)}, found {show_bytes(actual)}")


def show_bytes(data):
    if data is None:
        return "no file"
    return data.hex(" ") if data else "an empty file"


# ---- Record files -------------------------------------------------------------------

def record(text, length):
    """One record: 2-byte little-endian length, Windows-1252 bytes, zero padding."""
    data = text.encode("cp1252")
    if len(data) > length - 2:
        raise ValueError(f"{text!r} does not fit a {length}-byte record")
    return len(data).to_bytes(2, "little") + data + bytes(length - 2 - len(data))


def records(texts, length):
    return b"".join(record(t, length) for t in texts)


def movie_list(titles):
    return records(titles, 52)


def settings(wait_seconds, vowels, ignore_case):
    """Config.dat as the program writes it: wait time, vowels option, case option."""
    return records([str(wait_seconds), str(vowels), str(ignore_case)], 4)


DEFAULT_SETTINGS = settings(1, 0, 1)


def scratch(letters):
    """Temp.dat for the given letters; None stands for a reserved, unwritten record."""
    return b"".join(bytes(3) if c is None else record(c, 3) for c in letters)


def given_vowel(temp_dat):
    """The vowel a new game gave away, checked against the layout of Temp.dat."""
    check(temp_dat is not None and len(temp_dat) >= 6, f"Temp.dat holds no vowel pair: {temp_dat!r}")
    vowel = temp_dat[2:3].decode("cp1252")
    check(vowel in VOWELS, f"Temp.dat record 1 is not an upper-case vowel: {temp_dat[:3].hex(' ')}")
    check_bytes(temp_dat[:6], scratch([vowel, vowel.lower()]), "vowel pair in Temp.dat")
    return vowel


def help_file(lines):
    """Ayuda.dat: one entry per line, CR LF, Windows-1252."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


# ---- X server -----------------------------------------------------------------------

class XServer:
    """A private Xvfb on the first free display, chosen by the server itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            self.name = ":" + self._read_display(read_end)
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.env = dict(os.environ, DISPLAY=self.name)
        for noise in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY"):
            self.env.pop(noise, None)
        self.x = display.Display(self.name)

    def _read_display(self, fd):
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            left = deadline - time.monotonic()
            check(left > 0 and select.select([fd], [], [], left)[0], "Xvfb did not report a display")
            chunk = os.read(fd, 16)
            check(chunk, "Xvfb ended before reporting a display")
            number += chunk
        return number.decode().strip()

    def stop(self):
        if getattr(self, "x", None) is not None:
            try:
                self.x.close()
            except Exception:
                pass
            self.x = None
        end_process(self.process)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=WAIT)
        return result.stdout

    def window(self, wid):
        return self.x.create_resource_object("window", wid)


def save_png(server, wid, path):
    """Writes what a window shows as an RGB PNG file."""
    window = server.window(wid)
    geometry = window.get_geometry()
    w, h = geometry.width, geometry.height
    image = window.get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF)
    check(image.depth == 24, f"expected a 24-bit visual, found depth {image.depth}")
    stride = len(image.data) // h
    rows = []
    for y in range(h):
        pixels = image.data[y * stride:y * stride + 4 * w]   # B G R X per pixel
        rgb = bytearray(3 * w)
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
        rows.append(b"\0" + bytes(rgb))

    def chunk(kind, data):
        body = kind + data
        return len(data).to_bytes(4, "big") + body + zlib.crc32(body).to_bytes(4, "big")

    header = w.to_bytes(4, "big") + h.to_bytes(4, "big") + bytes([8, 2, 0, 0, 0])
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def request_close(x, window):
    """What a window's close box does: asks the window to close (WM_DELETE_WINDOW)."""
    event = protocol.event.ClientMessage(
        window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
        data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    x.flush()


def end_process(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=2)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def ere_escape(text):
    """Escapes a literal for xdotool's POSIX extended regular expressions."""
    return "".join("\\" + c if c in ".[]{}()\\*+?^$|" else c for c in text)


def deadline_loop(what, timeout=WAIT, fail=True):
    """Yields until `timeout` passes, then fails saying what was awaited (or, with
    fail=False, just stops)."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        yield
        time.sleep(POLL)
    if fail:
        raise Failure(f"timed out after {timeout:.1f} s waiting for {what}")


# ---- The program --------------------------------------------------------------------

class Program:
    """One running copy of the binary in the session's program folder."""

    def __init__(self, session, user=None, argv=None, env=None):
        self.session = session
        self.server = session.server
        env_extra, env = env, dict(self.server.env)
        kwargs = {}
        if user is None:
            env["XDG_RUNTIME_DIR"] = session.runtime_dir
        else:
            kwargs.update(user=user, group=pwd.getpwnam(user).pw_gid, extra_groups=[])
            env.pop("XDG_RUNTIME_DIR", None)
            env["HOME"] = "/nonexistent"
        env.update(env_extra or {})
        # Started from another folder: the program must find its data beside itself.
        self.process = subprocess.Popen(
            argv or [session.binary], cwd=session.root, env=env, stdin=subprocess.DEVNULL,
            stdout=session.log, stderr=session.log, **kwargs)
        self.pid = self.process.pid

    # -- windows --

    def windows(self, title):
        found = self.server.xdotool("search", "--all", "--onlyvisible", "--pid", str(self.pid),
                                    "--name", "^" + ere_escape(title) + "$")
        return [int(w) for w in found.split()]

    def window_types(self, wid):
        x = self.server.x
        prop = self.server.window(wid).get_full_property(
            x.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM)
        return [x.get_atom_name(a) for a in prop.value] if prop else []

    def wait_window(self, title, timeout=WAIT, kind=None):
        """The visible window of this program with exactly this title.

        kind "main" skips dialogs (a message box may share the game window's title),
        kind "dialog" keeps only them."""
        for _ in deadline_loop(f"window {title!r}", timeout):
            for wid in self.windows(title):
                if kind is None or self.is_dialog(wid) == (kind == "dialog"):
                    return wid
            if self.process.poll() is not None:
                raise Failure(f"program ended (exit code {self.process.returncode}) "
                              f"before window {title!r} appeared")

    def is_dialog(self, wid):
        return "_NET_WM_WINDOW_TYPE_DIALOG" in self.window_types(wid)

    def game_window(self, timeout=WAIT):
        return self.wait_window("Filmotas", timeout, kind="main")

    def wait_gone(self, wid, what="window", timeout=WAIT):
        for _ in deadline_loop(f"{what} to close", timeout):
            if not self._viewable(wid):
                return

    def _viewable(self, wid):
        try:
            return self.server.window(wid).get_attributes().map_state == X.IsViewable
        except Exception:
            return False   # destroyed

    def assert_no_window(self, title, settle=0.3):
        time.sleep(settle)
        check(not self.windows(title), f"window {title!r} is shown but should not be")

    # -- input --

    def focus(self, wid):
        self.server.xdotool("windowfocus", "--sync", str(wid))

    def keys(self, wid, *names):
        """Focuses the window, then presses the keys one after another."""
        self.focus(wid)
        self.server.xdotool("key", "--delay", str(KEY_DELAY_MS), *names)

    def type_text(self, wid, text):
        """Types a text into the focused box of a window, key by key."""
        self.focus(wid)
        self.server.xdotool("key", "--delay", "10", *map(keysym, text))

    def menu(self, wid, menu_key, item_key):
        """Opens a menu by its access key and picks an item by its access key."""
        self.keys(wid, "alt+" + menu_key)
        for _ in deadline_loop(f"the menu of alt+{menu_key} to open"):
            if self._menu_open():
                break
        self.server.xdotool("key", item_key)

    def _menu_open(self):
        """Whether a pop-up is shown. Qt marks only the first one it makes as a menu,
        so a pop-up is known by bypassing the (absent) window manager."""
        for child in self.server.x.screen().root.query_tree().children:
            try:
                attributes = child.get_attributes()
            except Exception:
                continue   # gone meanwhile
            if attributes.map_state == X.IsViewable and attributes.override_redirect:
                return True
        return False

    def answer_box(self, title, key="Return", text=None):
        """Waits for a message box, checks its text when one is given, answers it with a
        key and waits for it to close."""
        wid = self.wait_window(title, kind="dialog")
        if text is not None:
            self.check_box_text(wid, text)
        self.keys(wid, key)
        self.wait_gone(wid, f"box {title!r}")

    def box_text(self, wid):
        """The text of a message box, read by selecting it with the pointer.

        A message box's text can be selected with the mouse, which makes it the X
        PRIMARY selection. The text is taken in two drags from one point P of the label:
        back to the box's top left corner, then on to its bottom right corner. Between
        them a click a little left of P, inside the first selection, clears it, so the
        second press at P does not start dragging the selected text away; being 10
        pixels apart, no two presses make a double click."""
        geometry = self.server.window(wid).get_geometry()
        w, h = geometry.width, geometry.height
        for x, y in ((w // 2, 15), (w // 2, 22), (w * 2 // 3, 12), (w // 2, 30)):
            before = self._drag_select(wid, (x, y), (0, 0))
            if before is None:
                continue
            self._click(wid, (x - 10, y))
            after = self._drag_select(wid, (x, y), (w - 1, h - 1)) or ""
            self._click(wid, (x - 10, y))
            return (before + after).replace("\r\n", "\n")
        raise Failure("the text of the message box could not be selected")

    def _click(self, wid, point):
        self.server.xdotool("mousemove", "--window", str(wid), *map(str, point), "click", "1")

    def _drag_select(self, wid, start, end):
        """Drags from start to end inside the window; the selected text, or None."""
        selection = PrimarySelection(self.server.x)
        try:
            selection.claim()
            self.server.xdotool("mousemove", "--window", str(wid), *map(str, start),
                                "mousedown", "1")
            self.server.xdotool("mousemove", "--window", str(wid), *map(str, end), "mouseup", "1")
            return selection.read_foreign()
        finally:
            selection.close()

    def check_box_text(self, wid, expected):
        text = self.box_text(wid)
        want = expected.replace("\r\n", "\n")
        check(text == want, f"box text: expected {want!r}, found {text!r}")

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

    def stop(self):
        end_process(self.process)


class PrimarySelection:
    """Reads the X PRIMARY selection; claiming it first tells a fresh one from a stale one."""

    def __init__(self, x):
        self.x = x
        self.me = x.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.atom = x.intern_atom("PRIMARY")

    def claim(self):
        self.me.set_selection_owner(self.atom, X.CurrentTime)
        self.x.sync()

    def close(self):
        self.me.destroy()
        self.x.sync()

    def read_foreign(self):
        """The selection's text once another client owns it; None when none does."""
        for _ in deadline_loop("the selection", 1.0, fail=False):
            owner = self.x.get_selection_owner(self.atom)
            if owner not in (X.NONE, 0) and owner.id != self.me.id:
                return self._convert()
        return None

    def _convert(self):
        target = self.x.intern_atom("E2E_SELECTION")
        self.me.convert_selection(self.atom, self.x.intern_atom("UTF8_STRING"), target,
                                  X.CurrentTime)
        self.x.flush()
        for _ in deadline_loop("the selection's text", 1.0):
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == X.SelectionNotify:
                    value = self.me.get_full_property(target, X.AnyPropertyType)
                    return value.value.decode("utf-8") if value else ""


def keysym(char):
    if char.isascii() and char.isalnum():
        return char
    check(char in KEYSYMS, f"no key name for {char!r}")
    return KEYSYMS[char]


class Game:
    """The game window of a running program, typed at letter by letter."""

    def __init__(self, program, window):
        self.program = program
        self.window = window

    def type_letter(self, char):
        # BackSpace first: it frees the one-character letter box at once, whether or not
        # the wait timer has emptied it yet.
        self.program.keys(self.window, "BackSpace", keysym(char))

    def guess(self, char, temp_size_after):
        """Types a letter and waits until Temp.dat shows it was recorded."""
        self.type_letter(char)
        self.program.session.wait_file_size("Temp.dat", temp_size_after)

    def exit_by_menu(self):
        self.program.menu(self.window, "a", "s")

    def exit_by_button(self):
        self.click(SALIR)

    def click(self, control):
        """Clicks the middle of a control of the client area, given as (left, top,
        width, height) in twips. The client area is the window less its menu bar, and
        ends at the window's bottom while the window has its designed size."""
        left, top, width, height = control
        menu_bar = self.program.server.window(self.window).get_geometry().height \
            - CLIENT_HEIGHT_TWIPS // TWIPS_PER_PIXEL
        x = (left + width // 2) // TWIPS_PER_PIXEL
        y = menu_bar + (top + height // 2) // TWIPS_PER_PIXEL
        self.program.focus(self.window)
        self.program.server.xdotool("mousemove", "--window", str(self.window), str(x), str(y),
                                    "click", "1")


# ---- A test session -----------------------------------------------------------------

class Session:
    """A program folder with the binary and the given files, and its own X server."""

    def __init__(self, binary, files=None):
        self.root = tempfile.mkdtemp(prefix="filmotas-e2e-")
        os.chmod(self.root, 0o755)   # another user may have to reach the program folder
        self.folder = os.path.join(self.root, "program")
        os.mkdir(self.folder)
        self.binary = os.path.join(self.folder, "filmotas")
        shutil.copy2(binary, self.binary)
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
            program.stop()
        if self.server is not None:
            self.server.stop()
        self.log.close()
        if isinstance(exc[1], Exception):
            exc[1].program_output = self._read_log()
        os.chmod(self.folder, 0o755)
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def _read_log(self):
        with open(os.path.join(self.root, "program.log"), "rb") as log:
            return log.read().decode("utf-8", "replace").strip()

    def start(self, user=None, argv=None, env=None):
        program = Program(self, user, argv, env)
        self.programs.append(program)
        return program

    def start_game(self):
        """Starts the program and returns its game window, ready for letters."""
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

    def listing(self):
        """Names, sizes, contents and modification times: everything a write would change."""
        result = {}
        for name in sorted(os.listdir(self.folder)):
            info = os.stat(self.path(name))
            result[name] = (info.st_size, info.st_mtime_ns, self.read(name))
        return result

    def wait_file_size(self, name, size, timeout=WAIT):
        for _ in deadline_loop(f"{name} to be {size} bytes (now {self.size(name)})", timeout):
            if self.size(name) == size:
                return

    def size(self, name):
        try:
            return os.path.getsize(self.path(name))
        except FileNotFoundError:
            return None

    def make_read_only(self):
        os.chmod(self.folder, stat.S_IRUSR | stat.S_IXUSR | stat.S_IRGRP | stat.S_IXGRP
                 | stat.S_IROTH | stat.S_IXOTH)


def print_program_output(error):
    output = getattr(error, "program_output", "")
    if output:
        print("  program output:\n    " + output.replace("\n", "\n    "))


def run(cases):
    """Runs the test cases of one script; exits non-zero when any of them fails."""
    check(len(sys.argv) == 2, "usage: test_x.py <path of the filmotas binary>")
    binary = os.path.abspath(sys.argv[1])
    failed = 0
    for case in cases:
        started = time.monotonic()
        try:
            case(binary)
        except Failure as failure:
            failed += 1
            print(f"FAIL {case.__name__}: {failure}")
            print_program_output(failure)
        except Exception as error:
            failed += 1
            print(f"FAIL {case.__name__}: unexpected error")
            traceback.print_exc(file=sys.stdout)
            print_program_output(error)
        else:
            print(f"ok   {case.__name__} ({time.monotonic() - started:.1f} s)")
    sys.stdout.flush()
    sys.exit(1 if failed else 0)
