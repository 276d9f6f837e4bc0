#!/usr/bin/env bash
# `make screenshot`: the real program's game window during a game, drawn on a private
# Xvfb, saved as docs/screenshot.png.   scripts/screenshot.sh <build folder>
set -euo pipefail
build="$(cd "${1:?usage: scripts/screenshot.sh <build folder>}" && pwd)"
repo="$(cd "$(dirname "$0")/.." && pwd)"
[ -x "$build/filmotas" ] || { echo "$build/filmotas is missing: build first" >&2; exit 1; }
mkdir -p "$repo/docs"

/usr/bin/python3 - "$repo/tests/e2e" "$build/filmotas" "$repo/docs/screenshot.png" <<'PYTHON'
import sys, time
sys.path.insert(0, sys.argv[1])
import harness

binary, target = sys.argv[2], sys.argv[3]
# A game under way: two letters found, one missed, the options panel shown.
files = {"Filmotas.dat": harness.movie_list(["El laberinto del fauno"]),
         "Config.dat": harness.settings(0, 0, 1)}
try:
    with harness.Session(binary, files) as session:
        game = session.start_game()
        for count, letter in enumerate("lbx", start=3):
            game.guess(letter, 3 * count)
        game.program.menu(game.window, "o", "m")
        time.sleep(0.5)   # let the taller window paint
        harness.save_png(session.server, game.window, target)
except harness.Failure as failure:
    sys.exit(f"screenshot failed: {failure}")
print(f"wrote {target}")
PYTHON
