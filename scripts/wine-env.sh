# Sourced (POSIX sh) by every script that runs Windows programs: the one place
# that knows how Kestrave's Wine and its virtual X server are set up. It only
# defines functions; nothing changes until one of them is called, so a script
# may source it before scripts/install-deps.sh has installed Wine.
#
#   kestrave_find_wine        sets kestrave_wine and kestrave_wineserver
#   kestrave_wine_environment exports what every Wine process of ours runs with
#   kestrave_test_prefix DIR  exports the test prefix of the build in DIR
#   kestrave_prepare_prefix   boots WINEPREFIX once and sets it up for Kestrave
#   kestrave_xvfb_run CMD...  runs CMD inside a new virtual X server

kestrave_find_wine() {
  # Debian's wine64 keeps wine64 and wineserver in /usr/lib/wine, off PATH.
  kestrave_wine=/usr/lib/wine/wine64
  [ -x "$kestrave_wine" ] || kestrave_wine=$(command -v wine64 || command -v wine || echo wine)
  kestrave_wineserver=/usr/lib/wine/wineserver
  [ -x "$kestrave_wineserver" ] || kestrave_wineserver=$(command -v wineserver || echo wineserver)
}

kestrave_wine_environment() {
  kestrave_find_wine
  export WINEARCH=win64
  # No Mono or Gecko dialogs; no desktop menu entries in this machine's home
  # folder for shortcuts an installer makes.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEDEBUG="${WINEDEBUG:--all}"
  # Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives 936,
  # en_US.UTF-8 1252, hi_IN.UTF-8 65001.
  export LC_ALL="${KESTRAVE_LOCALE:-zh_CN.UTF-8}"
  if [ -n "${TMPDIR:-}" ]; then mkdir -p "$TMPDIR"; fi
}

# The prefix and temporary folder of a Windows build's tests; the tests'
# ENVIRONMENT (cmake/KestraveTesting.cmake) names the same two.
kestrave_test_prefix() {
  export WINEPREFIX="$1/wine/prefix"
  export TMPDIR="$1/wine/tmp"
  mkdir -p "$TMPDIR"
}

# Wine has no 宋体 (SimSun), the window's font. It is drawn with a Ming face
# whose Latin letters and digits are half-width like SimSun's, so the widest
# texts fit the 6-byte boxes (which do not scroll), and which draws every
# character the program shows, the hyphen-minus of negative angles included
# (Debian's fonts-arphic-uming).
kestrave_font="AR PL UMing CN"

kestrave_set_up_fonts() {
  kestrave_fonts_reg="$WINEPREFIX/kestrave-fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    "\"宋体\"=\"$kestrave_font\"" "\"SimSun\"=\"$kestrave_font\"" |
    iconv -f UTF-8 -t UTF-16 >"$kestrave_fonts_reg"
  "$kestrave_wine" regedit /S "$(printf 'Z:%s' "$kestrave_fonts_reg" | tr / '\134')" >/dev/null 2>&1
  printf '%s\n' "$kestrave_font" >"$WINEPREFIX/.kestrave-font"
}

# A new prefix is booted once, under a lock, since tests may start in
# parallel. Unless KESTRAVE_WINE_MANAGED=Y it is told that no window manager
# is present, so that closing a window under Xvfb does not wait for one.
# Needs kestrave_wine_environment first.
kestrave_prepare_prefix() {
  : "${WINEPREFIX:?WINEPREFIX must name the Wine prefix to use}"
  export WINEPREFIX
  if [ -f "$WINEPREFIX/.kestrave-ready" ] &&
     [ "$(cat "$WINEPREFIX/.kestrave-font" 2>/dev/null)" = "$kestrave_font" ]; then
    return 0
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kestrave-ready" ]; then
      "$kestrave_wine" wineboot -i >/dev/null 2>&1 || true
      if [ "${KESTRAVE_WINE_MANAGED:-N}" != Y ]; then
        "$kestrave_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      fi
      touch "$WINEPREFIX/.kestrave-ready"
    fi
    if [ "$(cat "$WINEPREFIX/.kestrave-font" 2>/dev/null)" != "$kestrave_font" ]; then
      kestrave_set_up_fonts
    fi
  ) 9>"$WINEPREFIX.lock"
}

# The one virtual screen size: the tests, and scripts/run.sh without a display.
kestrave_xvfb_run() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}
