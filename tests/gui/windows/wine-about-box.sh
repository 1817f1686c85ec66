#!/bin/sh
# Runs the About box test program under Wine in a prefix of its own; its
# screenshot goes to the artifact folder (as BMP: the Windows wx writes no
# PNG).
# Runs inside an X server with a window manager (run-under-xvfb.sh).
# Usage: wine-about-box.sh ARTIFACTS PROGRAM WINEPREFIX
set -eu
artifacts=$1 program=$2
export WINEPREFIX=$3 WINEDEBUG=-all
here=$(cd "$(dirname "$0")" && pwd)
work=$artifacts/work
rm -rf "$work" "$artifacts"/*.bmp
mkdir -p "$work"
. "$here/wine-driver.sh"
start_wine
wine "$program" "$(winepath -w "$artifacts")" >>"$artifacts/program.log" 2>&1 || fail "$(cat "$artifacts/program.log")"
cat "$artifacts/program.log"
