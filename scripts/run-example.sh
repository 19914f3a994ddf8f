#!/usr/bin/env bash
# Starts the step-joint program for the bundled example position inside a
# stand-in host environment (EXEC, DATA, TEMP, DRAM under the build folder).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
ENVDIR="$BUILD/demo-env"
mkdir -p "$ENVDIR/EXEC" "$ENVDIR/TEMP" "$ENVDIR/DRAM" "$ENVDIR/POS"
rm -rf "$ENVDIR/DATA"; cp -r "$ROOT/data" "$ENVDIR/DATA"
[ -d "$BUILD/tools" ] && cp -f "$BUILD"/tools/* "$ENVDIR/EXEC/" 2>/dev/null || true
# The program directory with the VERSION file that the output list names.
mkdir -p "$ENVDIR/EXEC/q8-nlu52"; cp -f "$ROOT/data/VERSION" "$ENVDIR/EXEC/q8-nlu52/VERSION"
# Its description names the annex rules it uses ("Darstellungsoptionen" of the annex pages).
cp -f "$ROOT/example/q8-nlu52/APP0052.DEF" "$ENVDIR/EXEC/q8-nlu52/APP0052.DEF"
export EXEC="$ENVDIR/EXEC" DATA="$ENVDIR/DATA" TEMP="$ENVDIR/TEMP" DRAM="$ENVDIR/DRAM"
APP="$BUILD/app/nelu52"
cp -n "$ROOT"/example/* "$ENVDIR/POS/" 2>/dev/null || true
export _KOV_CWD_="$ENVDIR/POS"
# The host hands the program its private data directory (help file, product data).
export KOV_CUROB_PRIVAT_DATAPATH="$ENVDIR/POS"
# The stand-in force-selection and component-selection tools answer with the
# example's prepared files ("Schnittgrößen importieren").
export KOV_BAUWAHL_ANSWER="${KOV_BAUWAHL_ANSWER:-$ROOT/example/Bauwahl.ans}"
export KOV_KRAWAHL_SOURCE="${KOV_KRAWAHL_SOURCE:-$ROOT/example/Krawahl.res}"
exec "$APP" VERSATZ 0 1 1
