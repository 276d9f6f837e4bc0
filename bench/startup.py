"""Start-up time and peak memory of Filmotas against a bare Qt Widgets window.

    /usr/bin/python3 bench/startup.py <filmotas binary> <baseline_window binary> [runs]

Start-up is the time from exec to the X MapNotify of the top-level window titled
"Filmotas", caught by a listener on the root window that is in place before the program
starts. Peak memory is ru_maxrss of the program, collected by wait4 after its window has
been closed. The programs run interleaved on one private Xvfb and the medians and their
ratios to the baseline are printed: the portable program in its own folder, the same
program installed (`cmake --install` of the binary's build folder into a temporary
prefix, with its own XDG_DATA_HOME), and the portable program kept from Qt's
translations by a qt.conf beside it, which shows what loading them costs. The numbers
are reported, never asserted.
"""
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402
from Xlib import X, Xatom, protocol  # noqa: E402

RUNS = 20
RUN_TIMEOUT = 10.0   # seconds for one start; a slower start is a broken run
TITLE = "Filmotas"
TARGET_STARTUP_RATIO = 1.3
TARGET_RSS_RATIO = 1.2

TITLES = ["Casablanca", "El laberinto del fauno", "Mar adentro", "Todo sobre mi madre",
          "La lengua de las mariposas", "Los otros", "Volver", "Ocho apellidos vascos"]


class MapListener:
    """Hears every window that is mapped as a child of the root window."""

    def __init__(self, server):
        self.x = server.x
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        self.wm_pid = self.x.intern_atom("_NET_WM_PID")

    def drain(self):
        while self.x.pending_events():
            self.x.next_event()

    def wait_mapped(self, pid, process):
        """The time at which the top-level window titled TITLE of `pid` was mapped."""
        deadline = time.monotonic() + RUN_TIMEOUT
        while time.monotonic() < deadline:
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == X.MapNotify and self._is_target(event.window, pid):
                    return time.perf_counter(), event.window
            if process.poll() is not None:
                raise AssertionError(f"program ended with code {process.returncode} before mapping")
            select.select([self.x.fileno()], [], [], 0.05)
        raise AssertionError(f"no window {TITLE!r} within {RUN_TIMEOUT:.0f} s")

    def _is_target(self, window, pid):
        try:
            owner = window.get_full_property(self.wm_pid, Xatom.CARDINAL)
            name = window.get_wm_name()
        except Exception:
            return False   # already gone
        return owner is not None and owner.value[0] == pid and name == TITLE


def wait_rusage(process):
    """Reaps the program within the time bound; its peak resident set in KiB and the
    processor time it used in seconds."""
    deadline = time.monotonic() + RUN_TIMEOUT
    while time.monotonic() < deadline:
        pid, status, usage = os.wait4(process.pid, os.WNOHANG)
        if pid == process.pid:
            process.returncode = os.waitstatus_to_exitcode(status)
            return usage.ru_maxrss, usage.ru_utime + usage.ru_stime
        time.sleep(0.01)
    process.kill()
    raise AssertionError("program did not end after its window was closed")


def request_close(x, window):
    """What a window's close box does: asks the window to close (WM_DELETE_WINDOW)."""
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
        data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
    x.flush()


def measure(server, listener, binary, env):
    """One start: (seconds from exec to map, (peak RSS in KiB, processor seconds))."""
    listener.drain()
    started = time.perf_counter()
    process = subprocess.Popen([binary], cwd="/", env=dict(env, **EXTRA_ENV.get(binary, {})), stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        mapped, window = listener.wait_mapped(process.pid, process)
        request_close(server.x, window)
        return mapped - started, wait_rusage(process)
    finally:
        if process.returncode is None:
            harness.end_process(process)


def program_folder(root, name, binary, files):
    folder = os.path.join(root, name)
    os.mkdir(folder)
    target = os.path.join(folder, os.path.basename(binary))
    shutil.copy2(binary, target)
    for file_name, data in files.items():
        with open(os.path.join(folder, file_name), "wb") as f:
            f.write(data)
    return target


def installed_program(root, binary):
    """The program installed into a temporary prefix, playing in its own XDG_DATA_HOME."""
    dest = os.path.join(root, "dest")
    subprocess.run(["cmake", "--install", os.path.dirname(binary), "--prefix", "/usr"], check=True,
                   env=dict(os.environ, DESTDIR=dest), stdout=subprocess.DEVNULL)
    target = os.path.join(dest, "usr", "games", "filmotas")
    EXTRA_ENV[target] = {"XDG_DATA_HOME": os.path.join(root, "xdg")}
    return target


EXTRA_ENV = {}   # binary -> environment variables of its own


def qt_conf_without_translations():
    """A qt.conf that keeps Qt's plugins where they are and its translations out of reach."""
    plugins = subprocess.run(["/usr/lib/qt6/bin/qtpaths6", "--query", "QT_INSTALL_PLUGINS"],
                             check=True, capture_output=True, text=True).stdout.strip()
    return f"[Paths]\nPrefix=/usr\nPlugins={plugins}\nTranslations=/nonexistent\n".encode()


def report(samples):
    medians = {name: (statistics.median(t for t, _ in runs), statistics.median(r for _, (r, _) in runs))
               for name, runs in samples.items()}
    # Processor time, unlike the wall clock, barely moves when other work shares the cores.
    cpu = {name: statistics.median(c for _, (_, c) in runs) for name, runs in samples.items()}
    for name, (seconds, rss) in medians.items():
        times = sorted(t * 1000 for t, _ in samples[name])
        print(f"{name:10s} start-up median {seconds * 1000:7.1f} ms "
              f"(min {times[0]:.1f}, max {times[-1]:.1f})   peak RSS median {rss / 1024:6.1f} MiB   "
              f"processor time median {cpu[name] * 1000:5.1f} ms")
    for name in (n for n in medians if n != "baseline"):
        startup_ratio = medians[name][0] / medians["baseline"][0]
        rss_ratio = medians[name][1] / medians["baseline"][1]
        print(f"{name:10s} start-up ratio {startup_ratio:.2f} (target <= {TARGET_STARTUP_RATIO}): "
              f"{'met' if startup_ratio <= TARGET_STARTUP_RATIO else 'NOT met'}   "
              f"peak RSS ratio {rss_ratio:.2f} (target <= {TARGET_RSS_RATIO}): "
              f"{'met' if rss_ratio <= TARGET_RSS_RATIO else 'NOT met'}   "
              f"processor time ratio {cpu[name] / cpu['baseline']:.2f}")


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else RUNS
    root = tempfile.mkdtemp(prefix="filmotas-bench-")
    server = None
    try:
        programs = {
            "filmotas": program_folder(root, "filmotas", sys.argv[1], {
                "Filmotas.dat": harness.movie_list(TITLES),
                "Config.dat": harness.settings(1, 0, 1)}),
            "installed": installed_program(root, sys.argv[1]),
            "no-qm": program_folder(root, "no-qm", sys.argv[1], {
                "Filmotas.dat": harness.movie_list(TITLES),
                "Config.dat": harness.settings(1, 0, 1),
                "qt.conf": qt_conf_without_translations()}),
            "baseline": program_folder(root, "baseline", sys.argv[2], {}),
        }
        server = harness.XServer()
        listener = MapListener(server)
        for binary in programs.values():   # warm the page cache; not counted
            measure(server, listener, binary, server.env)
        samples = {name: [] for name in programs}
        for run in range(runs):
            order = list(programs.items())
            if run % 2:
                order.reverse()   # no program always goes first
            for name, binary in order:
                samples[name].append(measure(server, listener, binary, server.env))
        print(f"{runs} interleaved runs each on a private Xvfb")
        report(samples)
    except AssertionError as failure:
        sys.exit(f"start-up benchmark failed: {failure}")
    finally:
        if server is not None:
            server.stop()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
