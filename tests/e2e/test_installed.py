"""The installed program: the Debian package's files, installed into a temporary prefix and
played by an ordinary user in their own folder; the command line."""
import os
import pwd
import subprocess
from pathlib import Path

import harness as h

# Root writes anywhere, so under root the program runs as an ordinary user.
PLAYER = "nobody" if os.geteuid() == 0 else None


def snapshot(top):
    """Every path under `top` with its modification time."""
    return {path: path.lstat().st_mtime_ns for path in Path(top).rglob("*")}


def test_package_installs_and_plays_in_the_players_own_folder():
    with h.Session(h.BINARY) as session:
        subprocess.run(["cpack", "-G", "DEB", "-B", session.root, "--config",
                        os.path.join(os.path.dirname(h.BINARY), "CPackConfig.cmake")], check=True, capture_output=True)
        package = os.path.join(session.root, "filmotas_1.0.10_amd64.deb")
        prefix = os.path.join(session.root, "dest")
        subprocess.run(["dpkg-deb", "-x", package, prefix], check=True)
        before = snapshot(prefix)
        home = os.path.join(session.root, "xdg")
        os.mkdir(home)
        if PLAYER:
            os.chown(home, pwd.getpwnam(PLAYER).pw_uid, -1)
        program = session.start(user=PLAYER, argv=[os.path.join(prefix, "usr/games/filmotas")],
                                env={"XDG_DATA_HOME": home})
        window = program.wait_window("Filmotas")
        folder = Path(home, "filmotas")
        given = (folder / "Temp.dat").stat().st_size
        program.type_text(window, "z")
        session.wait_file_size(str(folder / "Temp.dat"), given + 3)   # the letter's record
        program.close_box(window)
        assert program.wait_exit() == 0, "exit code after the close box"
        assert (folder / "Filmotas.dat").read_bytes() == Path(prefix, "usr/share/filmotas/Filmotas.dat").read_bytes()
        assert (folder / "Config.dat").stat().st_size == 12, "Config.dat written"
        assert snapshot(prefix) == before, "the program wrote into the install prefix"


# Refusals are the core tests' business; here, where each answer goes and its status.
def test_command_line_without_a_display():
    for arguments, status, line in [(["--version"], 0, "Filmotas 1.0.10"), (["--help"], 0, "Uso: filmotas [opciones]"),
                                    (["--nada"], 2, "filmotas: opción desconocida: --nada. Prueba «filmotas --help».")]:
        done = subprocess.run([h.BINARY, *arguments], env={"PATH": os.environ["PATH"], "LANG": "C.UTF-8"},
                              capture_output=True, text=True, timeout=10)
        first = (done.stderr if status else done.stdout).splitlines()[:1]   # errors go to stderr
        assert (done.returncode, first) == (status, [line]), arguments
