#!/usr/bin/env bash
# Builds kestrave.exe (MinGW-w64 cross build) and starts it under Wine with
# the zh_CN.UTF-8 locale, so that Wine's ANSI code page is 936.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run

# Without a display, the whole run (Wine's first start included) goes inside
# a virtual X server, so that Wine's desktop process sees the same display.
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting Kestrave inside a virtual X server (Xvfb)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake --preset windows >/dev/null
cmake --build --preset windows --target kestrave

export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
# A prefix of Kestrave's own (unless WINEPREFIX names another): the
# program's settings live in its registry from one run to the next.
export WINEPREFIX="${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/kestrave/wine-prefix}"
mkdir -p "$(dirname "$WINEPREFIX")"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)

# Wine has no 宋体 (SimSun), the window's font. Its stand-in draws no
# hyphen-minus, so negative angles would look positive: draw 宋体 with the
# bitmap-hinted WenQuanYi face, which has every glyph the program shows.
if [ ! -f "$WINEPREFIX/.kestrave-fonts" ]; then
  fonts_reg="$(dirname "$WINEPREFIX")/fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"宋体"="WenQuanYi Zen Hei Sharp"' '"SimSun"="WenQuanYi Zen Hei Sharp"' |
    iconv -f UTF-8 -t UTF-16 >"$fonts_reg"
  "$wine" regedit /S "Z:${fonts_reg//\//\\}" >/dev/null 2>&1 &&
    touch "$WINEPREFIX/.kestrave-fonts"
fi

exec "$wine" build/windows/bin/kestrave.exe
