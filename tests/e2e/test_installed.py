"""The installed program: install rules into a temporary prefix, the player's own folder,
the command line without a display."""
import os
import pwd
import subprocess
import tempfile
import time

import harness as h

# Root writes anywhere, so under root the program runs as an ordinary user.
PLAYER = "nobody" if os.geteuid() == 0 else None


def install(build, session):
    """Installs into <session root>/dest as if into /usr; the installed binary."""
    dest = os.path.join(session.root, "dest")
    subprocess.run(["cmake", "--install", build, "--prefix", "/usr"], check=True,
                   env=dict(os.environ, DESTDIR=dest), stdout=subprocess.DEVNULL)
    return os.path.join(dest, "usr", "games", "filmotas")


def snapshot(top):
    """Every path under `top` with its size and modification time."""
    return {os.path.join(folder, name): (os.lstat(os.path.join(folder, name)).st_size,
                                         os.lstat(os.path.join(folder, name)).st_mtime_ns)
            for folder, dirs, files in os.walk(top) for name in dirs + files}


def player_home(session):
    """An XDG_DATA_HOME the player owns."""
    home = os.path.join(session.root, "xdg")
    os.mkdir(home)
    if PLAYER:
        os.chown(home, pwd.getpwnam(PLAYER).pw_uid, -1)
    return home


def wait_until(condition, what, timeout=5.0):
    deadline = time.monotonic() + timeout
    while not condition() and time.monotonic() < deadline:
        time.sleep(0.02)
    h.check(condition(), f"{what} within {timeout:.0f} s")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def first_start_gives_the_player_a_folder_and_leaves_the_prefix_alone(binary):
    with h.Session(binary) as session:
        installed = install(os.path.dirname(binary), session)
        prefix = os.path.dirname(os.path.dirname(installed))
        before = snapshot(prefix)
        home = player_home(session)
        folder = os.path.join(home, "filmotas")
        program = session.start(user=PLAYER, argv=[installed], env={"XDG_DATA_HOME": home})
        window = program.game_window()
        scratch = os.path.join(folder, "Temp.dat")
        given = os.path.getsize(scratch)
        program.type_text(window, "z")
        wait_until(lambda: os.path.getsize(scratch) > given, "the letter recorded in Temp.dat")
        program.close_box(window)
        h.check(program.wait_exit() == 0, "exit code after the close box")
        h.check_bytes(read(os.path.join(folder, "Filmotas.dat")),
                      read(os.path.join(prefix, "share", "filmotas", "Filmotas.dat")),
                      "the player's copy of the shipped list")
        h.check(os.path.getsize(os.path.join(folder, "Config.dat")) == 12, "Config.dat written")
        h.check(snapshot(prefix) == before, "the program wrote into the install prefix")


def stacked_above(server, upper, lower):
    """Whether window `upper` lies above `lower`: xwininfo lists the top one first."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], env=server.env, check=True,
                          capture_output=True, text=True).stdout
    ids = [int(line.split()[0], 16) for line in tree.splitlines() if line.strip().startswith("0x")]
    return ids.index(upper) < ids.index(lower)


def second_copy_brings_the_running_window_forward(binary):
    with h.Session(binary, {"Filmotas.dat": h.movie_list(["Casablanca"])}) as session:
        first = session.start()
        window = first.game_window()
        other = session.start(argv=[session.path("filmotas"), "--data-dir", session.path("otra")])
        covering = other.game_window()
        session.server.xdotool("windowraise", str(covering))
        h.check(stacked_above(session.server, covering, window), "the other game on top to begin with")
        second = session.start()
        second.answer_box("Filmotas", text="Filmotas ya se está ejecutando.")
        h.check(second.wait_exit() == 0, "exit code of the second copy")
        h.check(stacked_above(session.server, window, covering), "the running game was not raised")


def package_holds_the_installed_files(binary):
    with tempfile.TemporaryDirectory() as root:
        subprocess.run(["cpack", "-G", "DEB", "-B", root, "--config",
                        os.path.join(os.path.dirname(binary), "CPackConfig.cmake")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        package = [f for f in os.listdir(root) if f.endswith(".deb")]
        h.check(package == ["filmotas_1.0.10_amd64.deb"], f"package file {package}")
        listing = subprocess.run(["dpkg-deb", "-c", os.path.join(root, package[0])],
                                 check=True, capture_output=True, text=True).stdout
        files = {line.split()[-1] for line in listing.splitlines() if not line.startswith("d")}
        icons = "./usr/share/icons/hicolor/{}/apps/io.github.filmotas.Filmotas.{}"
        expected = {"./usr/games/filmotas", "./usr/share/filmotas/Filmotas.dat",
                    "./usr/share/filmotas/Ayuda.dat", "./usr/share/man/man6/filmotas.6.gz",
                    "./usr/share/applications/io.github.filmotas.Filmotas.desktop",
                    "./usr/share/metainfo/io.github.filmotas.Filmotas.metainfo.xml",
                    "./usr/share/doc/filmotas/copyright", "./usr/share/doc/filmotas/LICENSE",
                    "./usr/share/doc/filmotas/changelog.gz", icons.format("scalable", "svg"),
                    *(icons.format(f"{n}x{n}", "png") for n in (16, 32, 48, 64, 128, 256))}
        h.check(files == expected, f"missing {expected - files}, extra {files - expected}")


def command_line_without_a_display(binary):
    cases = [  # arguments, exit status, stream, first line
        (["--version"], 0, "stdout", "Filmotas 1.0.10"),
        (["--help"], 0, "stdout", "Uso: filmotas [opciones]"),
        (["--nada"], 2, "stderr", "filmotas: opción desconocida: --nada"),
        (["sobra"], 2, "stderr", "filmotas: argumento de más: sobra"),
    ]
    env = {"PATH": os.environ["PATH"], "LANG": "C.UTF-8"}
    for arguments, status, stream, line in cases:
        done = subprocess.run([binary, *arguments], env=env, capture_output=True, text=True, timeout=10)
        first = getattr(done, stream).splitlines()[:1]
        h.check(done.returncode == status and first == [line],
                f"{arguments}: status {done.returncode}, {stream} {first}, expected {status} {line!r}")


if __name__ == "__main__":
    h.run([first_start_gives_the_player_a_folder_and_leaves_the_prefix_alone,
           second_copy_brings_the_running_window_forward,
           package_holds_the_installed_files,
           command_line_without_a_display])
