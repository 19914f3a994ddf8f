#!/usr/bin/env bash
# Fuzzes every reader of an outside file with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer: bash scripts/fuzz.sh [SECONDS [NAME...]]
# (per harness, default 60; the NAMEs of fuzz/NAME_fuzz.cpp, default all).
# Exits non-zero when any harness finds a crash, a leak, a time-out or
# undefined behaviour; the inputs that did so and the harness's log stay under
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))
if [ $# -gt 0 ]; then
  NAMES=("$@")
else
  NAMES=($(cd fuzz && ls *_fuzz.cpp | sed 's/_fuzz\.cpp$//'))
fi
bash scripts/setup.sh
if ! command -v clang++ >/dev/null 2>&1 || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
fi
BUILD=${KOV_FUZZ_DIR:-build-fuzz}
mkdir -p "$BUILD"
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOV_FUZZ=ON \
  -DKOV_BUILD_TESTS=OFF >/dev/null
if ! cmake --build "$BUILD" -j"${KOV_JOBS:-$(nproc)}" --target "${NAMES[@]/%/_fuzz}" >"$BUILD/fuzz-build.log" 2>&1; then
  tail -n 50 "$BUILD/fuzz-build.log"
  exit 1
fi

# Working files of the harnesses (and the corpora they grow) in a RAM folder.
RAM=/dev/shm
[ -d "$RAM" ] && [ -w "$RAM" ] || RAM=${TMPDIR:-/tmp}
WORK=$(mktemp -d "$RAM/kovfuzz.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
FINDINGS="$(cd "$BUILD" && pwd)/findings"
mkdir -p "$FINDINGS"
export QT_QPA_PLATFORM=offscreen KOV_UI_MODE=batch TMPDIR="$WORK"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=0
printf '%-12s %12s  %s\n' harness executions result
for name in "${NAMES[@]}"; do
  mkdir -p "$WORK/corpus-$name"
  log="$WORK/$name.log"
  if "$BUILD/fuzz/${name}_fuzz" -max_total_time="$SECONDS_EACH" -timeout=5 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$FINDINGS/$name-" \
       "$WORK/corpus-$name" "$(pwd)/fuzz/corpus/$name" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $FINDINGS, log below)"
    failed=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1 || true)
  printf '%-12s %12s  %s\n' "$name" "${runs:-?}" "$result"
  if [ "$result" != ok ]; then
    cp "$log" "$FINDINGS/$name.log"
    tail -n 40 "$log"
  fi
done
exit $failed
