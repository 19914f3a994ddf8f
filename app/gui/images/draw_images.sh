#!/usr/bin/env bash
# Rebuilds the pictures of this folder from draw_images.cpp.
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(cd ../../.. && pwd)
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
moc_flags=$(pkg-config --cflags Qt5Widgets)
g++ -std=c++17 -fPIC -O1 $moc_flags -I"$ROOT" draw_images.cpp "$ROOT/app/gui/sketchview.cpp" "$ROOT/app/screensketch.cpp" \
    -o "$TMP/draw_images" $(pkg-config --libs Qt5Widgets)
"$TMP/draw_images" "$(pwd)"
