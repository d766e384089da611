#!/usr/bin/env bash
# Builds both presets and runs every test: natively, and the Windows build
# under Wine (inside Xvfb, for the GUI tests). Ends non-zero if anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

# Formatting first: a deviation fails the run before anything is built.
scripts/check-format.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== native =="
cmake --preset native
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== windows (under Wine) =="
cmake --preset windows
cmake --build --preset windows -j "$jobs"

# Everything under one virtual X server: the prefix's desktop process starts
# with the first Wine program, so it must see the display the GUI tests use.
# One wineserver for the whole run: every Wine process start then skips
# starting its own server.
export WINEPREFIX="$PWD/build/windows/wine/prefix"
export TMPDIR="$PWD/build/windows/wine/tmp"
mkdir -p "$TMPDIR"
# Debian's wine64 keeps wineserver off PATH.
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo true)
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true
  "$2" -p >/dev/null 2>&1 || true
  ctest --preset windows -j "$1"' sh "$jobs" "$wineserver"

# The release packages: the zip and the installer tried under Wine.
echo "== release packages (under Wine) =="
scripts/test-packages.sh

# The native tests again under the sanitizers, then every fuzz target: its
# earlier crash inputs and seed corpus, and a 60 s run from a fixed seed.
echo "== native under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzz targets =="
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
scripts/fuzz.sh 60
