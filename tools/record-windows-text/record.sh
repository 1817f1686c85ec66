#!/bin/sh
# Records Windows' text rules into the platform tests' data, with Wine as the
# instrument (its lstrcmpA and GetPrivateProfileStringA follow Windows):
# word-order.exe the word order of names, profile.exe how the profile reader
# treats blanks in names. Only needed to renew the data; the tests read the
# recorded files and never need Wine.
#
# Needs the Debian packages wine, wine32:i386 and gcc-mingw-w64-i686. Runs
# with a German locale, as the program's users have.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../../tests/platform/data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$HOME/.wine-record-windows-text}" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
for program in word-order profile; do
  i686-w64-mingw32-gcc -O2 -Wall -Wextra -o "$work/$program.exe" "$here/$program.c"
  wine "$work/$program.exe" "Z:$(echo "$data" | tr / '\\')"
done
wc -l "$data"/word-order-*.txt "$data"/profile-*.txt
