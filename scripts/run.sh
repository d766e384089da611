#!/usr/bin/env bash
# Builds kestrave.exe (MinGW-w64 cross build) and starts it under Wine, set
# up as for the tests by scripts/wine-run.sh (code page 936, the 宋体 stand-in).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh

scripts/install-deps.sh run
export KESTRAVE_DEPS_READY=${KESTRAVE_DEPS_READY:-run}

# Without a display, the whole run (Wine's first start included) goes inside
# a virtual X server, so that Wine's desktop process sees the same display.
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting Kestrave inside a virtual X server (Xvfb)." >&2
  kestrave_xvfb_run scripts/run.sh "$@"
  exit
fi

cmake --preset windows >/dev/null
cmake --build --preset windows --target kestrave

# A prefix of Kestrave's own (unless WINEPREFIX names another): the
# program's settings live in its registry from one run to the next. The
# user's window manager, if any, manages the window.
export WINEPREFIX="${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/kestrave/wine-prefix}"
export KESTRAVE_WINE_MANAGED=Y
exec scripts/wine-run.sh build/windows/bin/kestrave.exe
