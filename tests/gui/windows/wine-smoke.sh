#!/bin/sh
# The Windows program under Wine, driven from outside as a person would, on
# folders of letters that no ANSI code page holds all of: it starts in a fresh
# program folder C:\Programme\Sorvane Ωμέγα 東京 beside the sample
# container, with the temporary folder C:\users\Łódź Żółć\Temp; the update
# wizard of the first start is cancelled, the sample is picked from the
# program folder's list, the guest logs in, the preview shows a picture from
# its temporary copy, all members are extracted into a folder chosen with the
# keyboard in the shell's folder browser, and the extracted bytes must equal
# those of the Linux zvq tool; a second start opens a copy of the sample,
# C:\Daten\Москва\Prüfung Ł.zvq, from its command line and does the same as
# the sample's user, who sees other members; a third opens that copy through
# the open dialog. The start has made the uninstall entry, whose paths read
# back as they are; "/uninstall" answered
# "&Nein" leaves the registry as it was, answered "&Ja" removes the entry and
# the settings keys and no file. A screenshot of every page goes to the
# artifact folder.
# Runs inside an X server with a window manager (run-under-xvfb.sh).
# Usage: wine-smoke.sh ARTIFACTS SORVANE_EXE SAMPLE_ZVQ LINUX_ZVQ WINEPREFIX
set -eu
artifacts=$1 program=$2 sample=$3 zvq=$4
export WINEPREFIX=$5 WINEDEBUG=-all
# Wine's own windows (the shell's folder browser) speak the locale's language;
# the test looks for their English titles.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$sample" ] || [ ! -x "$zvq" ]; then
  echo "wine-smoke: no Linux build with $sample and $zvq; skipped" >&2
  exit 77
fi
work=$artifacts/work
rm -rf "$work"
mkdir -p "$work/Desktop/Gast" "$work/Desktop/Benutzer" "$work/expected/Gast" "$work/expected/Benutzer"
"$zvq" extract -d "$work/expected/Gast" "$sample" >/dev/null
echo Sonnenblume >"$work/password"
"$zvq" extract --user Jürgen --password-file "$work/password" -d "$work/expected/Benutzer" "$sample" >/dev/null

. "$here/wine-driver.sh"

# "Bildervorschau" of the guest's bitmap "Schachbrett.BMP", the list's
# second entry. The tool window's frame is Wine's own: 328 pixels wide, a
# border of 4 around a client area of 320 x 240 below the caption. The
# 96 x 72 picture fills that area, so that its most frequent colour is the
# bitmap's (F0E6C8, half of its pixels). Closed again with Alt+F4.
preview() {
  click "$main" 73 72
  keys "$main" alt+v
  view=$(window Bildervorschau) || fail "no preview window"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$view")"
  xwd -root -silent >"$work/screen.xwd"
  "$here/xwd-to-png.py" "$work/screen.xwd" "$artifacts/guest-3-preview.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
  [ "$WIDTH" = 328 ] && [ "$HEIGHT" -gt 248 ] || fail "the preview window measures $WIDTH x $HEIGHT"
  set -- $("$here/xwd-main-colour.py" "$work/screen.xwd" $((X + 4)) $((Y + HEIGHT - 244)) 320 240)
  [ "$1" = f0e6c8 ] && awk -v share="$2" 'BEGIN { exit !(share >= 0.35) }' || fail "the preview shows $1 over $2 of its area"
  # The member's copy in the temporary folder is gone once it is shown.
  left=$(find "$WINEPREFIX/drive_c/users" -iname 'Schachbrett*')
  [ -z "$left" ] || fail "the preview left its copy: $left"
  keys "$view" alt+F4
  gone Bildervorschau || fail "the preview window stays"
}

# Picks the sample in main window $1 (unless the command line opened a
# container: $opened), logs in with the keys that follow the screenshot
# prefix $2 and the account's folder name $3, extracts every member into
# that folder and compares it with the Linux tool's extraction.
extract_as() {
  main=$1 page=$2 account=$3
  shift 3
  sleep 1
  shot "$page-1-choose"
  # The main window's client area is 570 x 390 pixels; its controls stand
  # where the layout puts them: the first container of the list, "Weiter >".
  if [ -z "${opened:-}" ]; then
    click "$main" 60 108
    click "$main" 438 368
  fi
  sleep 1
  "$@"
  shot "$page-2-login"
  click "$main" 438 368
  sleep 1
  shot "$page-3-files"
  if [ "$account" = Gast ]; then preview; fi
  keys "$main" alt+a
  sleep 0.5
  shot "$page-3-files-selected"
  keys "$main" alt+x
  # The shell's browser (its own title; the prompt stands inside it), with
  # the folder tree expanded below "Desktop". Wine on a bare X server leaves
  # an owned dialog unpainted until it moves; moved once, it shows.
  folder=$(window "Browse for Folder") || fail "no folder browser"
  sleep 1
  xdotool windowmove --sync "$folder" 40 40
  sleep 1
  shot "$page-4-folder"
  # The target lies on the desktop: typing its name selects it in the tree,
  # Enter is "OK".
  keys "$folder" $(echo "$account" | sed 's/./& /g')
  sleep 0.5
  shot "$page-4-folder-chosen"
  keys "$folder" Return
  gone "Browse for Folder" || fail "the folder browser stays"
  # Extracted as the Linux tool extracts: the same names, the same bytes.
  expected=$(cd "$work/expected/$account" && ls | sort)
  for _ in $(seq 300); do
    [ "$(cd "$work/Desktop/$account" && ls | sort)" = "$expected" ] && break
    sleep 0.1
  done
  sleep 1
  shot "$page-5-extracted"
  [ "$(cd "$work/Desktop/$account" && ls | sort)" = "$expected" ] || fail "$account extracted: $(ls "$work/Desktop/$account" | tr '\n' ' ')"
  # Member names hold blanks: one a line.
  echo "$expected" | while IFS= read -r name; do
    cmp "$work/expected/$account/$name" "$work/Desktop/$account/$name" || fail "$account: $name differs"
  done
  keys "$main" alt+e
  gone 'Sorvane( - \[.*\])?' || fail "the program does not end on \"Beenden\""
  wait
}
guest() { keys "$main" alt+g; }
user() {
  keys "$main" alt+d alt+n
  xdotool type --delay 40 Jürgen
  keys "$main" alt+w
  xdotool type --delay 40 Sonnenblume
  sleep 0.5
}

start_wine
# The folders of many scripts, made afresh in the test's prefix; the
# temporary folder is the user's from the next start on.
programs="$WINEPREFIX/drive_c/Programme/Sorvane Ωμέγα 東京"
temp="$WINEPREFIX/drive_c/users/Łódź Żółć/Temp"
rm -rf "$WINEPREFIX/drive_c/Programme" "$WINEPREFIX/drive_c/Daten" "$WINEPREFIX/drive_c/users/Łódź Żółć"
mkdir -p "$programs" "$temp" "$WINEPREFIX/drive_c/Daten/Москва"
cp "$program" "$sample" "$programs/"
cp "$sample" "$WINEPREFIX/drive_c/Daten/Москва/Prüfung Ł.zvq"
for variable in TEMP TMP; do
  wine reg add 'HKCU\Environment' /v $variable /d 'C:\users\Łódź Żółć\Temp' /f >/dev/null 2>&1
done
# The Wine user's desktop folder, which the folder browser shows at the top
# of its tree, is the test's own: the prefix links it to the home folder.
desktop=$(ls -d "$WINEPREFIX"/drive_c/users/*/Desktop | grep -v /Public/ | head -n 1)
rm -f "$desktop" 2>/dev/null || rm -rf "$desktop"
ln -s "$work/Desktop" "$desktop"
run
wizard=$(window "Updates installieren") || fail "no update wizard at the first start"
sleep 1
shot 0-update-wizard
main=$(main_window) || fail "no main window"
extract_as "$main" guest Gast guest
container='C:\Daten\Москва\Prüfung Ł.zvq'
run "$container"
main=$(main_window) || fail "no main window at the second start"
opened=1 extract_as "$main" user Benutzer user
[ "$(ls "$work/Desktop/Gast" | sort)" != "$(ls "$work/Desktop/Benutzer" | sort)" ] || fail "the guest and the user see the same members"

# The open dialog (Wine's, without a title: the program's other visible
# window without a name) takes the container's path typed in full; the
# guest's login leads to its members, which the extraction's folder browser
# shows were reached.
run
main=$(main_window) || fail "no main window at the third start"
sleep 1
keys "$main" alt+f
dialog=
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --classname sorvane.exe 2>/dev/null); do
    [ "$id" != "$main" ] && [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && dialog=$id
  done
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "no open dialog"
sleep 1
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || xdotool windowfocus --sync "$dialog"
xdotool type --delay 60 "$container"
sleep 0.5
shot open-1-typed
keys "$dialog" Return
for _ in $(seq 100); do xdotool getwindowname "$dialog" >/dev/null 2>&1 || break; sleep 0.1; done
! xdotool getwindowname "$dialog" >/dev/null 2>&1 || fail "the open dialog stays"
sleep 1
shot open-2-login
keys "$main" alt+g
click "$main" 438 368
sleep 1
keys "$main" alt+a
keys "$main" alt+x
folder=$(window "Browse for Folder") || fail "the opened container's members were not reached"
shot open-3-members
keys "$folder" Escape
gone "Browse for Folder" || fail "the folder browser stays"
keys "$main" alt+e
gone 'Sorvane( - \[.*\])?' || fail "the program does not end on \"Beenden\""
wait

# The start registered the program for uninstalling, in Windows' own
# registry, with the path Windows knows the program file by, every letter
# of it: reg.exe writes a console's text (through a pseudo-terminal, wide
# enough that no line wraps) whole.
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane'
script -qec "stty cols 500; wine reg query '$entry'" /dev/null </dev/null | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r' >"$work/uninstall.txt"
exe='C:\Programme\Sorvane Ωμέγα 東京\sorvane.exe'
grep -q "DisplayName.*REG_SZ.*Sorvane" "$work/uninstall.txt" || fail "no uninstall entry: $(cat "$work/uninstall.txt")"
grep -qiF "DisplayIcon    REG_SZ    $exe" "$work/uninstall.txt" || fail "DisplayIcon: $(cat "$work/uninstall.txt")"
grep -qiF "\"$exe\" /uninstall" "$work/uninstall.txt" || fail "UninstallString: $(cat "$work/uninstall.txt")"

# The settings keys that the uninstall removes, in both roots: the program
# keeps its settings in the machine's; the user's is made here.
wine reg query 'HKLM\Software\Orvel\Sorvane' >/dev/null 2>&1 || fail "no settings key after a start"
wine reg add 'HKCU\Software\Orvel\Sorvane' /v Probe /d 1 /f >/dev/null 2>&1
registry() {
  for key in "$entry" 'HKCU\Software\Orvel' 'HKLM\Software\Orvel'; do
    echo "$key"; wine reg query "$key" /s 2>&1 || true
  done
}
registry >"$work/registry-before.txt"
# Answers the uninstall question with key $1, screenshots named $2.
uninstall() {
  run /uninstall
  question=$(window "Warnung") || fail "no uninstall question"
  sleep 1
  shot "$2-question"
  keys "$question" "$1"
}
uninstall Escape uninstall-no
gone "Warnung" || fail "the uninstall question stays"
wait
registry >"$work/registry-no.txt"
diff "$work/registry-before.txt" "$work/registry-no.txt" >&2 || fail "\"&Nein\" changed the registry"

uninstall alt+j uninstall-yes
closing=$(window "Deinstallation abgeschlossen") || fail "no closing message"
sleep 1
shot uninstall-yes-done
keys "$closing" Return
wait
! wine reg query "$entry" >/dev/null 2>&1 || fail "the uninstall entry stays"
for root in HKCU HKLM; do
  wine reg query "$root\\Software\\Orvel" >/dev/null 2>&1 || fail "$root\\Software\\Orvel is gone"
  ! wine reg query "$root\\Software\\Orvel\\Sorvane" >/dev/null 2>&1 || fail "$root\\Software\\Orvel\\Sorvane stays"
done
[ -f "$programs/sorvane.exe" ] && [ -f "$programs/$(basename "$sample")" ] || fail "the uninstall deleted files"
echo "wine-smoke: the guest's $(ls "$work/Desktop/Gast" | wc -l) and the user's $(ls "$work/Desktop/Benutzer" | wc -l) members extracted as on Linux; the uninstall entry was there, \"&Nein\" kept it, \"&Ja\" removed it and the settings keys"
