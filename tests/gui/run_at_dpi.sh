#!/bin/sh
# Runs a Windows test program under Wine with the screen at DPI pixels per
# inch, set before the program starts, in a Wine prefix of its own beside
# WINEPREFIX (so that the other tests keep 96).
#   run_at_dpi.sh DPI WINE_RUN PROGRAM [ARGUMENTS...]
set -eu
dpi=$1
wine_run=$2
shift 2
: "${WINEPREFIX:?WINEPREFIX must name the tests' Wine prefix}"
WINEPREFIX="$WINEPREFIX-${dpi}dpi"
export WINEPREFIX
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1
KESTRAVE_TEST_DPI=$dpi
export KESTRAVE_TEST_DPI
exec "$wine_run" "$@"
