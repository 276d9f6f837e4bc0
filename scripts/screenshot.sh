#!/usr/bin/env bash
# `make screenshot`: the real program's game window at the start of a game, drawn on a
# private Xvfb, saved as docs/screenshot.png.   scripts/screenshot.sh <build folder>
set -euo pipefail
build="$(cd "${1:?usage: scripts/screenshot.sh <build folder>}" && pwd)"
repo="$(cd "$(dirname "$0")/.." && pwd)"
for file in filmotas Filmotas.dat; do
  [ -e "$build/$file" ] || { echo "$build/$file is missing: build first" >&2; exit 1; }
done
mkdir -p "$repo/docs"

/usr/bin/python3 - "$repo/tests/e2e" "$build" "$repo/docs/screenshot.png" <<'PYTHON'
import os, sys, time
sys.path.insert(0, sys.argv[1])
import harness

build, target = sys.argv[2], sys.argv[3]
with open(os.path.join(build, "Filmotas.dat"), "rb") as f:
    titles = f.read()
files = {"Filmotas.dat": titles, "Config.dat": harness.DEFAULT_SETTINGS}
try:
    with harness.Session(os.path.join(build, "filmotas"), files) as session:
        game = session.start_game()
        time.sleep(0.5)   # let the first paint finish
        harness.save_png(session.server, game.window, target)
except harness.Failure as failure:
    sys.exit(f"screenshot failed: {failure}")
print(f"wrote {target}")
PYTHON
