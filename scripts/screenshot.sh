#!/usr/bin/env bash
# `make screenshot`: the real program's game window during a game, drawn on a private
# Xvfb, saved as docs/screenshot.png.   scripts/screenshot.sh <build folder>
set -euo pipefail
build="$(cd "${1:?usage: scripts/screenshot.sh <build folder>}" && pwd)"
repo="$(cd "$(dirname "$0")/.." && pwd)"
[ -x "$build/filmotas" ] || { echo "$build/filmotas is missing: build first" >&2; exit 1; }
mkdir -p "$repo/docs"

/usr/bin/python3 "$repo/scripts/screenshot.py" "$repo/tests/e2e" "$build/filmotas" "$repo/docs/screenshot.png"
