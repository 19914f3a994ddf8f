#!/usr/bin/env bash
# Builds the program and starts it on the bundled example position.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash scripts/setup.sh
BUILD=${KOV_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOV_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
exec bash scripts/run-example.sh "$ROOT/$BUILD"
