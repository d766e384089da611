#!/bin/sh
# Runs one Windows program under Wine: the emulator of the windows preset's
# tests, the launcher of scripts/run.sh and the runner of the package tests,
# so all of them see the same Wine set-up (scripts/wine-env.sh).
#
# WINEPREFIX must be set; a new prefix is booted and set up first.
set -eu
. "$(dirname "$0")/wine-env.sh"
kestrave_wine_environment
kestrave_prepare_prefix
exec "$kestrave_wine" "$@"
