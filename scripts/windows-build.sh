#!/usr/bin/env bash
# The Windows build: cross-builds the libraries it links (scripts/windows-deps.sh,
# cached), then the program's libraries, the command line tools and the tests
# with the "windows" CMake preset and runs the tests under Wine, among them
# the package tests, which make the Windows package (build/windows/packages)
# with a signing key of their own. Exit status 0 only when everything passed.
#
# Wine runs quietly in a prefix of its own under build/ (WINEPREFIX to use
# another, which no one else may be using): no debug output, no window
# (DISPLAY unset), no offer to install Mono or Gecko. One Wine server is kept
# for the whole run and ended at its end.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/windows-deps.sh >/dev/null

export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The package test builds a second tree like build/windows with a signing key
# of its own; paths relative to the checkout let it reuse the compiled objects.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== making the Wine prefix $WINEPREFIX =="
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
fi
# One server for the whole run, with Wine's own processes started here with
# their output to nowhere: started by a test instead, they would hold that
# test's output pipe open after it ended. A server still running for the
# prefix (the one wineboot used, about to end) is waited for first.
wineserver -w
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot >/dev/null 2>&1 </dev/null

echo "== Windows build and tests under Wine =="
cmake --preset windows
cmake --build --preset windows
ctest --preset windows

# The package tests made the Windows package from a tree with a key of their
# own (build/windows/packages); a release package needs the maker's key
# (README, "Releasing an update").
