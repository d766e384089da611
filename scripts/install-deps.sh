#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests or the program need and
# the machine lacks, and generates the zh_CN.UTF-8 locale (Wine takes its
# code page 936 from it). Does nothing where everything is already there.
#
#   scripts/install-deps.sh run    what building and starting kestrave.exe needs
#   scripts/install-deps.sh test   what building and running every test needs
#
# A script that has run it already exports KESTRAVE_DEPS_READY=run or test,
# so that the scripts it calls (and its own re-start inside Xvfb) skip the
# check; test covers run.
set -euo pipefail

purpose=${1:-test}
case "${KESTRAVE_DEPS_READY:-}:$purpose" in
  test:run | test:test | run:run) exit 0 ;;
esac

common=(cmake ninja-build make g++ googletest g++-mingw-w64-x86-64-posix
        wine64 locales xvfb xauth nlohmann-json3-dev)
case "$purpose" in
  run)  packages=("${common[@]}" fonts-arphic-uming) ;;
  test) packages=("${common[@]}" fonts-arphic-uming libbenchmark-dev python3 clang clang-format
                 libclang-rt-14-dev llvm libxml2-utils librsvg2-bin nsis unzip xdotool
                 unicode-data chromium poppler-utils) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# zh_CN gives Wine code page 936; the GUI tests run again in en_US (1252)
# and hi_IN (65001).
locales=(zh_CN)
[ "$purpose" = test ] && locales+=(en_US hi_IN)
for name in "${locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "$name.utf8"; then
    echo "Generating the $name.UTF-8 locale"
    as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
  fi
done
