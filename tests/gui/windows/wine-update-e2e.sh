#!/bin/sh
# One whole update of the Windows program under Wine, driven from outside as
# a person would: a fresh program folder C:\Programme\Sorvane Ωμέγα 東京
# with the program dated two days back and the sample, and the user's
# temporary folder C:\users\Łódź Żółć\Temp: letters that no OEM code page
# holds all of, so that the batch file names both folders by their short
# names, and blanks, which need the paths' quotes; the
# example update server's folder (one list for both systems), signed with the
# demo key and served by nginx on loopback. The update wizard of the first start checks,
# downloads, installs and ends with "Beenden"; Wine's cmd.exe then runs
# Update.bat, which puts Neuigkeiten.zvq into the program folder, starts the
# program again and removes itself. The restarted program shows its main
# window without the wizard, Ctrl+U brings the wizard up; no copy of the
# update list stays in the temporary folder, and "Update" holds today + 7 - 1.
# A screenshot of every page goes to the artifact folder.
# Runs inside an X server with a window manager (run-under-xvfb.sh).
# Usage: wine-update-e2e.sh ARTIFACTS SORVANE_EXE SAMPLE_ZVQ LINUX_ORVELSIGN EXAMPLES WINEPREFIX
set -eu
artifacts=$1 program=$2 sample=$3 orvelsign=$4 examples=$5
export WINEPREFIX=$6 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the arguments (the folders given to reg.exe) as UTF-8.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$sample" ] || [ ! -x "$orvelsign" ]; then
  echo "wine-update-e2e: no Linux build with $sample and $orvelsign; skipped" >&2
  exit 77
fi
work=$artifacts/work
rm -rf "$work"
folder="$WINEPREFIX/drive_c/Programme/Sorvane Ωμέγα 東京"
rm -rf "$WINEPREFIX/drive_c/Programme"
mkdir -p "$folder" "$work/server" "$work/system"
cp "$program" "$folder/sorvane.exe"
cp "$sample" "$folder/Beispiel.zvq"
touch -d '2 days ago' "$folder/sorvane.exe"
"$examples/make-update.sh" "$work/server" "$sample" "$orvelsign"

. "$here/wine-driver.sh"
fail() {
  echo "wine-update-e2e: FAILED: $*" >&2
  shot failure
  exit 1
}

# Nothing of the test outlives it, also when it fails or takes too long
# (a watchdog ends it before CTest would kill it, and with it this trap):
# nginx, and Wine's server with every program of the prefix (the restarted
# one, cmd.exe).
watchdog=
cleanup() {
  [ -n "$watchdog" ] && kill "$watchdog" 2>/dev/null
  [ -f "$work/nginx/nginx.pid" ] && kill "$(cat "$work/nginx/nginx.pid")" 2>/dev/null
  wineserver -k 2>/dev/null || true
}
start_wine
trap cleanup EXIT
trap 'echo "wine-update-e2e: stopped" >&2; exit 1' INT TERM HUP
(
  trap 'kill "$nap" 2>/dev/null; exit 0' TERM
  sleep 240 &
  nap=$!
  wait "$nap" && kill -TERM $$
) </dev/null >/dev/null 2>&1 &
watchdog=$!
port=$("$examples/serve.sh" "$work/server" "$work/nginx")

# The prefix is kept from run to run: a first start needs the registry and
# the temporary folder without what an earlier run left there.
for key in 'HKLM\Software\Orvel' 'HKCU\Software\Orvel' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane'; do
  wine reg delete "$key" /f >/dev/null 2>&1 || true
done
# The user's temporary folder below a user name of Polish letters. That the
# program took it shows at the end: what the update leaves lies there.
for variable in TEMP TMP; do
  wine reg add 'HKCU\Environment' /v $variable /d 'C:\users\Łódź Żółć\Temp' /f >/dev/null 2>&1
done
temp="$WINEPREFIX/drive_c/users/Łódź Żółć/Temp"
rm -rf "$temp"
mkdir -p "$temp"

export ORVEL_UPDATE_HOST=127.0.0.1:$port ORVEL_SYSTEM_DIR="Z:$work/system"
(cd "$folder" && exec wine ./sorvane.exe) >>"$artifacts/program.log" 2>&1 &
first=$!

# Runs the command that follows window name $1 until that window is shown
# (or with until_gone: gone), at most three times, five seconds each.
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
until_shown() {
  name=$1
  shift
  for _ in 1 2 3; do
    "$@"
    for _ in $(seq 50); do visible "$name" && return 0; sleep 0.1; done
  done
  return 1
}
until_gone() {
  name=$1
  shift
  for _ in 1 2 3; do
    "$@"
    for _ in $(seq 50); do visible "$name" || return 0; sleep 0.1; done
  done
  return 1
}

# The pixels of the wizard's rectangle x, y, w, h, as a checksum.
pixels() { xwd -id "$wizard" -silent >"$work/part.xwd" && "$here/xwd-to-png.py" "$work/part.xwd" /dev/stdout "$@" | md5sum; }
# The wizard's step shows in its title and in the side panel's bold step
# title: both lie in its top 50 rows, where no button or focus frame is.
top() { pixels 0 0 650 50; }
# The download's progress bar (at 232, 166 of the client area, 417 x 18) is
# full when its right end looks as its left end does, and not as the page
# beside it.
bar_full() {
  left=$(pixels 236 170 4 10) right=$(pixels 641 170 4 10) page=$(pixels 236 156 4 10)
  [ "$left" = "$right" ] && [ "$left" != "$page" ]
}
# Clicks x, y in the wizard until its step changes (a click that came before
# the window could take it, or on a button still disabled, goes again), then
# screenshots the new page as $3.
step() {
  before=$(top)
  for _ in $(seq 10); do
    click "$wizard" "$1" "$2"
    xdotool mousemove --window "$wizard" 100 300
    for _ in $(seq 10); do
      [ "$(top)" != "$before" ] && sleep 0.5 && shot "$3" && return 0
      sleep 0.2
    done
  done
  fail "no step after a click at $1, $2 (for $3)"
}
# The wizard's client area is 658 x 353 pixels: "Weiter >" at its bottom
# right, "Abbrechen" left of it, "Einstellungen" at the left of the row; the
# check button on the check page.
next() { step 598 332 "$1"; }
wizard=$(window "Updates installieren") || fail "no update wizard at the first start"
sleep 1
shot update0-welcome
step 295 332 update6-settings
step 496 332 update0-back
next update1-check
step 352 141 update2-result
next update3-download-start
for _ in $(seq 100); do bar_full && break; sleep 0.1; done
bar_full || fail "the download's progress bar is not full"
shot update3-download
next update4-install
next update5-finish
until_gone "Updates installieren" click "$wizard" 598 332 || fail "\"Beenden\" leaves the wizard open"
wait "$first" || fail "the first run ended with status $?"

# The batch file waits two seconds, copies the new file and restarts the
# program, which must come without the wizard.
main=$(window Sorvane) || fail "the program was not restarted"
sleep 3
! visible "Updates installieren" || fail "the restarted program showed the wizard"
shot update7-restarted
cmp -s "$sample" "$folder/Neuigkeiten.zvq" || fail "Neuigkeiten.zvq was not put into the program folder"
# The list offers both systems; this program took the Windows archive only.
grep -q 'GET /Updates/Sorvane-Update.zip ' "$work/nginx/access.log" || fail "the Windows archive was not downloaded"
grep -q 'GET /Updates/Sorvane-Update-Linux-' "$work/nginx/access.log" && fail "the Linux archive was downloaded"
for _ in $(seq 50); do [ -f "$temp/Update.bat" ] || break; sleep 0.1; done
[ ! -f "$temp/Update.bat" ] || fail "Update.bat did not remove itself"
# Of what the update brought only the unpacked new file stays: not the
# update list's copy, the archive or its checked copy.
[ "$(ls -A "$temp")" = Neuigkeiten.zvq ] || fail "left in the temporary folder: $(ls -A "$temp" | tr '\n' ' ')"

# "Update" holds today + 7 - 1 as 8 bytes of a little-endian double.
days=$(( $(date -u -d "$(date +%F)" +%s) / 86400 + 25569 + 7 - 1 ))
expected=$(perl -e 'print uc unpack("H*", pack("d<", $ARGV[0]))' "$days")
stored=$(wine reg query 'HKLM\Software\Orvel\Sorvane' /v Update 2>&1 | tr -d '\r' | awk '$1 == "Update" {print $3}')
[ "$stored" = "$expected" ] || fail "\"Update\" holds '$stored', not today + 6 ($expected)"

# Ctrl+U on the restarted program's main window brings the wizard up
# (pressed again when the window manager gave the focus late).
until_shown "Updates installieren" keys "$main" ctrl+u || fail "Ctrl+U shows no wizard"
wizard=$(window "Updates installieren")
sleep 1
shot update8-ctrl-u
until_gone "Updates installieren" keys "$wizard" Escape || fail "Escape leaves the wizard open"
until_gone Sorvane keys "$main" alt+e || fail "the restarted program does not end on \"Beenden\""
echo "wine-update-e2e: passed"
