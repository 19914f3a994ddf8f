#!/usr/bin/env bash
# Rebuilds the pictures of the dialogs (flags/, dialogs/) from draw_dialog_images.cpp.
set -euo pipefail
cd "$(dirname "$0")"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
g++ -std=c++17 -fPIC -O1 $(pkg-config --cflags Qt5Widgets) draw_dialog_images.cpp \
    -o "$TMP/draw_dialog_images" $(pkg-config --libs Qt5Widgets)
QT_QPA_PLATFORM=offscreen "$TMP/draw_dialog_images" "$(pwd)"
