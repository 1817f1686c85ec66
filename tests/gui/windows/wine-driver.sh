# Shared by the Wine window tests, sourced after they have set $work (their
# scratch folder, holding the program folder "Programm" unless $programs
# names another), $artifacts and $here. Windows are found by title and driven with xdotool as a person
# would; a failure leaves a screenshot.
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

# The main window of a start whose update wizard may come first: the
# wizard is cancelled.
main_window() {
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name '^Updates installieren$' 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      keys "$id" Escape
      gone "Updates installieren" || fail "the update wizard stays"
    fi
    # Its title names the container that the command line opened.
    id=$(xdotool search --onlyvisible --name '^Sorvane( - \[.*\])?$' 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
run() { (cd "${programs:-$work/Programm}" && exec wine ./sorvane.exe "$@") >>"$artifacts/program.log" 2>&1 & }

# Makes the test's own Wine prefix on the first run, ends its Wine server at
# exit, and gives the keyboard keys for "ü" and for the letters of
# "C:\Daten\Москва\Prüfung Ł.zvq".
start_wine() {
  # A prefix of the test's own, made on the first run: the program registers
  # itself in its registry.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then wineboot -i >/dev/null 2>&1; fi
  wineserver -k 2>/dev/null || true
  trap 'wineserver -k 2>/dev/null || true' EXIT
  : >"$artifacts/program.log"
  # The user's name holds a "ü": it gets a key of its own before Wine reads the
  # keyboard, as on a German keyboard, and so do the letters of the path
  # typed into the open dialog. A key that xdotool maps only for the
  # moment of typing reaches Wine after the mapping is gone at times.
  xkbcomp -xkb "$DISPLAY" "$work/keymap.xkb" 2>/dev/null
  # Wine gives few keys beyond the layout's a key code of its own: the other
  # letters take the places of the digits 1 to 7, as a Russian keyboard puts
  # its letters on keys of the Latin ones (no test types a digit).
  sed -i -e '/^xkb_symbols/a\    key <I120> { [ udiaeresis, Udiaeresis ] };' \
    -e 's/^\( *key <AE01> {\).*/\1 [ Cyrillic_EM ] };/' -e 's/^\( *key <AE02> {\).*/\1 [ Cyrillic_o ] };/' \
    -e 's/^\( *key <AE03> {\).*/\1 [ Cyrillic_es ] };/' -e 's/^\( *key <AE04> {\).*/\1 [ Cyrillic_ka ] };/' \
    -e 's/^\( *key <AE05> {\).*/\1 [ Cyrillic_ve ] };/' -e 's/^\( *key <AE06> {\).*/\1 [ Cyrillic_a ] };/' \
    -e 's/^\( *key <AE07> {\).*/\1 [ Lstroke ] };/' "$work/keymap.xkb"
  xkbcomp -w 0 "$work/keymap.xkb" "$DISPLAY"
}
