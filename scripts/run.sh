#!/usr/bin/env bash
# Builds kestrave.exe (MinGW-w64 cross build) and starts it under Wine with
# the zh_CN.UTF-8 locale, so that Wine's ANSI code page is 936.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run

cmake --preset windows >/dev/null
cmake --build --preset windows --target kestrave

export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)

if [ -n "${DISPLAY:-}" ]; then
  exec "$wine" build/windows/bin/kestrave.exe
fi
echo "No display: starting Kestrave inside a virtual X server (Xvfb)." >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" build/windows/bin/kestrave.exe
