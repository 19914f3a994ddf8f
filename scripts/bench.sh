#!/usr/bin/env bash
# Builds the program optimised and runs its benchmarks: the usual report of
# Google Benchmark, then one line per benchmark with its time, the time of its
# baseline measured in the same run, and their ratio. Arguments go to the
# benchmark program (for example --benchmark_filter=Calc).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD=${KOV_BENCH_DIR:-build-bench}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKOV_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target kovbench
# The start-up to a shown window needs an X display: a virtual one when there is none.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s '-screen 0 1366x768x24' "$BUILD/bench/kovbench" "$@"
fi
exec "$BUILD/bench/kovbench" "$@"
