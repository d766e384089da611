#!/usr/bin/env bash
# Builds every preset and runs every test: natively, the Windows build under
# Wine (inside Xvfb, for the GUI tests), the release packages under Wine, the
# sanitizer build and the fuzz targets. Ends non-zero if anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh

# Once for the whole run: the scripts below skip it.
scripts/install-deps.sh test
export KESTRAVE_DEPS_READY=test

# Formatting first: a deviation fails the run before anything is built.
scripts/check-format.sh

jobs=$(nproc 2>/dev/null || echo 2)
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs

# Each workflow configures, builds and tests one preset (CMakePresets.json).
echo "== native =="
CTEST_PARALLEL_LEVEL=$jobs cmake --workflow --preset native

# Everything under one virtual X server: the prefix's desktop process starts
# with the first Wine program, so it must see the display the GUI tests use.
# One wineserver for the whole run: every Wine process start then skips
# starting its own server. Both end with the stage.
echo "== windows (under Wine) =="
(
  kestrave_find_wine
  kestrave_test_prefix "$PWD/build/windows"
  trap '"$kestrave_wineserver" -k >/dev/null 2>&1 || true' EXIT
  kestrave_xvfb_run sh -c '
    scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true
    "$2" -p >/dev/null 2>&1 || true
    CTEST_PARALLEL_LEVEL=$1 cmake --workflow --preset windows' sh "$jobs" "$kestrave_wineserver"
)

# The release packages: the zip and the installer tried under Wine.
echo "== release packages (under Wine) =="
scripts/test-packages.sh

# The native tests again under the sanitizers, then every fuzz target: its
# earlier crash inputs and seed corpus (one at a time), and a 20 s run from a
# fixed seed (scripts/fuzz.sh alone runs 60 s, or as long as asked).
echo "== native under AddressSanitizer and UndefinedBehaviorSanitizer =="
CTEST_PARALLEL_LEVEL=$jobs cmake --workflow --preset asan

echo "== fuzz targets =="
cmake --workflow --preset fuzz
scripts/fuzz.sh 20
