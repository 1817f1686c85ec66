#!/bin/sh
# The Windows program under Wine, driven from outside as a person would: it
# starts in a fresh program folder beside the sample container, the update
# wizard of the first start is cancelled, the sample is picked, the guest
# logs in, all members are extracted into a folder typed into the shell's
# folder browser, and the extracted bytes must equal those of the Linux zvq
# tool; the start has made the uninstall entry. A screenshot of every page
# goes to the artifact folder.
# Runs inside an X server with a window manager (run-under-xvfb.sh).
# Usage: wine-smoke.sh ARTIFACTS SORVANE_EXE SAMPLE_ZVQ LINUX_ZVQ WINEPREFIX
set -eu
artifacts=$1 program=$2 sample=$3 zvq=$4
export WINEPREFIX=$5 WINEDEBUG=-all
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$sample" ] || [ ! -x "$zvq" ]; then
  echo "wine-smoke: no Linux build with $sample and $zvq; skipped" >&2
  exit 77
fi
work=$artifacts/work
rm -rf "$work"
mkdir -p "$work/Programm" "$work/Ziel" "$work/expected"
cp "$program" "$sample" "$work/Programm/"
"$zvq" extract -d "$work/expected" "$sample" >/dev/null

fail() {
  echo "wine-smoke: $*" >&2
  shot failure
  exit 1
}
shot() {
  xwd -root -silent >"$work/screen.xwd" && "$here/xwd-to-png.py" "$work/screen.xwd" "$artifacts/$1.png"
}
# The id of the visible window whose name is $1, waiting up to 60 s.
window() {
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 600); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# A click at x, y of window $1's client area.
click() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  sleep 0.5
}
keys() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
  shift
  xdotool key --delay 80 "$@"
}

# A prefix of the test's own, made on the first run: the program registers
# itself in its registry.
if [ ! -f "$WINEPREFIX/system.reg" ]; then wineboot -i >/dev/null 2>&1; fi
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
(cd "$work/Programm" && exec wine ./sorvane.exe) >"$artifacts/program.log" 2>&1 &
wizard=$(window "Updates installieren") || fail "no update wizard at the first start"
sleep 1
shot 0-update-wizard
keys "$wizard" Escape
gone "Updates installieren" || fail "the update wizard stays"
main=$(window "Sorvane") || fail "no main window"
sleep 1
shot 1-choose
# The main window's client area is 570 x 390 pixels; its controls stand
# where the layout puts them: the first container of the list, "Weiter >".
click "$main" 60 108
click "$main" 438 368
sleep 1
shot 2-login
keys "$main" alt+g
click "$main" 438 368
sleep 1
shot 3-files
keys "$main" alt+a
sleep 0.5
shot 3-files-selected
keys "$main" alt+x
folder=$(window "Select Folder") || fail "no folder browser"
sleep 1
shot 4-folder
# The target folder as Windows names it (Wine's drive Z: is /), typed into
# the browser's name field, which has the focus.
target=$(printf 'Z:%s' "$work/Ziel" | tr / '\\')
xdotool type --delay 20 "$target"
keys "$folder" Return
gone "Select Folder" || fail "the folder browser stays"
# Extracted as the Linux tool extracts: the same names, the same bytes.
expected=$(cd "$work/expected" && ls | sort)
for _ in $(seq 300); do
  [ "$(cd "$work/Ziel" && ls | sort)" = "$expected" ] && break
  sleep 0.1
done
sleep 1
shot 5-extracted
[ "$(cd "$work/Ziel" && ls | sort)" = "$expected" ] || fail "extracted: $(ls "$work/Ziel" | tr '\n' ' ')"
for name in $expected; do
  cmp "$work/expected/$name" "$work/Ziel/$name" || fail "$name differs"
done
keys "$main" alt+e
gone "Sorvane" || fail "the program does not end on \"Beenden\""
wait
# The start registered the program for uninstalling, in Windows' own
# registry, with the path Windows knows the program file by.
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane'
wine reg query "$key" >"$work/uninstall.txt" 2>&1 || fail "no uninstall entry: $(cat "$work/uninstall.txt")"
exe=$(printf 'Z:%s/Programm/sorvane.exe' "$work" | tr / '\\')
grep -q "DisplayName.*REG_SZ.*Sorvane" "$work/uninstall.txt" || fail "DisplayName: $(cat "$work/uninstall.txt")"
grep -qiF "\"$exe\" /uninstall" "$work/uninstall.txt" || fail "UninstallString: $(cat "$work/uninstall.txt")"
echo "wine-smoke: $(echo "$expected" | wc -l) members extracted as on Linux; the uninstall entry is there"
