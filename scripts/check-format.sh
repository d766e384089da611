#!/usr/bin/env bash
# Fails when any C or C++ source of the tree deviates from .clang-format, and
# names the places. Formatting them: the same file list with clang-format -i.
#
# data/gazetteer_table.cpp and data/gazetteer_readings.cpp are left out: they
# are generated (one place per line, its name in a comment), and a test
# requires them to be byte for byte what tools/gazetteer/make_gazetteer.py
# writes; the generator's output is the format those files keep.
set -euo pipefail
cd "$(dirname "$0")/.."

generated=(data/gazetteer_table.cpp data/gazetteer_readings.cpp)

# The tracked sources (and new ones not yet added) in a git checkout; every
# source outside build/ elsewhere.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  list() {
    git ls-files -z --cached --others --exclude-standard -- \
      '*.c' '*.cc' '*.cpp' '*.h' '*.hpp' "${generated[@]/#/:(exclude)}"
  }
else
  list() {
    find . -path ./build -prune -o -type f \
      \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) \
      ! -path "./${generated[0]}" ! -path "./${generated[1]}" -print0
  }
fi

if list | xargs -0 -r clang-format --dry-run --Werror; then
  echo "clang-format: every source is formatted"
else
  echo "clang-format: the sources above deviate from .clang-format" >&2
  exit 1
fi
