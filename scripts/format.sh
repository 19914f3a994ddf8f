#!/usr/bin/env bash
# Checks that every C++ file of the project follows .clang-format; with --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2> /tmp/kov-format.$$; then
  grep -E '^[^ ].*: (error|warning):' /tmp/kov-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  rm -f /tmp/kov-format.$$
  echo "Run 'bash scripts/format.sh --fix' and commit the result." >&2
  exit 1
fi
rm -f /tmp/kov-format.$$
