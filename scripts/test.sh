#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Every C++ file follows .clang-format; a file that does not fails the run at once.
bash scripts/format.sh
BUILD=${KOV_BUILD_DIR:-build-asan}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DKOV_SANITIZE=ON >/dev/null
# KOV_JOBS=N limits the jobs of the builds and of ctest (default: every core).
JOBS=${KOV_JOBS:-$(nproc)}
cmake --build "$BUILD" -j"$JOBS"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
# Leaks inside the system libraries (fonts, Qt plugins) are not ours to mend.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
(cd "$BUILD" && ctest --output-on-failure -j"$JOBS" "$@")
# The optimised build must compile without a single warning (the optimiser sees
# more than a debug build does); its libraries and programs only, to keep the
# run short. KOV_SKIP_RELEASE=1 leaves it out.
if [ -z "${KOV_SKIP_RELEASE:-}" ]; then
  RELEASE=${KOV_RELEASE_DIR:-build-release}
  cmake -S . -B "$RELEASE" -DCMAKE_BUILD_TYPE=Release -DKOV_WERROR=ON -DKOV_BUILD_TESTS=OFF >/dev/null
  cmake --build "$RELEASE" -j"$JOBS"
fi
