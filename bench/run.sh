#!/usr/bin/env bash
# `make bench`: the engine's micro-benchmarks, then the program's start-up time and peak
# memory against a bare Qt window.   bench/run.sh <build folder>
set -euo pipefail
build="$(cd "${1:?usage: bench/run.sh <build folder>}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"

if [ -x "$build/core_bench" ]; then
  echo "== Engine benchmarks"
  "$build/core_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_out="$build/core_bench.json" --benchmark_out_format=json
  /usr/bin/python3 "$here/core_ratios.py" < "$build/core_bench.json"
  /usr/bin/python3 "$here/history_ratios.py" < "$build/core_bench.json"
else
  echo "== Engine benchmarks: core_bench is not built, skipped"
fi

echo "== Start-up and memory"
for binary in filmotas baseline_window; do
  [ -x "$build/$binary" ] || { echo "$build/$binary is missing: build it first" >&2; exit 1; }
done
/usr/bin/python3 "$here/startup.py" "$build/filmotas" "$build/baseline_window"
