#!/bin/sh
# Runs one Windows program under Wine: the emulator of the windows preset's
# tests and the launcher of scripts/run.sh.
#
# WINEPREFIX must be set. A new prefix is booted once (under a lock, since
# tests may start in parallel) and told that no window manager is present,
# so that closing a window under Xvfb does not wait for one.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix to use}"
export WINEPREFIX
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives 936.
export LC_ALL="${KESTRAVE_LOCALE:-zh_CN.UTF-8}"  # en_US.UTF-8: 1252, hi_IN.UTF-8: 65001
[ -z "${TMPDIR:-}" ] || mkdir -p "$TMPDIR"

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)

if [ ! -f "$WINEPREFIX/.kestrave-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kestrave-ready" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      touch "$WINEPREFIX/.kestrave-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec "$wine" "$@"
