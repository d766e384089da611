#!/bin/sh
# Runs one Windows program under Wine: the emulator of the windows preset's
# tests and the launcher of scripts/run.sh, so both see the same Wine set-up.
#
# WINEPREFIX must be set. A new prefix is booted once (under a lock, since
# tests may start in parallel). Unless KESTRAVE_WINE_MANAGED=Y, the prefix is
# told that no window manager is present, so that closing a window under
# Xvfb does not wait for one.
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

# Wine has no 宋体 (SimSun), the window's font. It is drawn with a Ming face
# whose Latin letters and digits are half-width like SimSun's, so the widest
# texts fit the 6-byte boxes (which do not scroll), and which draws every
# character the program shows, the hyphen-minus of negative angles included
# (Debian's fonts-arphic-uming).
font="AR PL UMing CN"

set_up_fonts() {
  fonts_reg="$WINEPREFIX/kestrave-fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    "\"宋体\"=\"$font\"" "\"SimSun\"=\"$font\"" |
    iconv -f UTF-8 -t UTF-16 >"$fonts_reg"
  "$wine" regedit /S "$(printf 'Z:%s' "$fonts_reg" | tr / '\134')" >/dev/null 2>&1
  printf '%s\n' "$font" >"$WINEPREFIX/.kestrave-font"
}

if [ ! -f "$WINEPREFIX/.kestrave-ready" ] ||
   [ "$(cat "$WINEPREFIX/.kestrave-font" 2>/dev/null)" != "$font" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kestrave-ready" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      if [ "${KESTRAVE_WINE_MANAGED:-N}" != Y ]; then
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      fi
      touch "$WINEPREFIX/.kestrave-ready"
    fi
    if [ "$(cat "$WINEPREFIX/.kestrave-font" 2>/dev/null)" != "$font" ]; then
      set_up_fonts
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec "$wine" "$@"
