#!/usr/bin/env bash
# zvq.exe under Wine against the Linux zvq, on the sample container: the same
# texts and exit statuses for the title, the members of the guest and of
# Jürgen, a refused login and the extractions, and the same files with the
# same bytes extracted. Then on paths whose letters no ANSI or OEM code page
# holds all of (a container "Prüfung Ł.zvq" in C:\Daten\Москва): the same
# extraction; on a console, which Wine makes of a pseudo-terminal, every
# letter shows and the typed password is read; into a pipe the OEM code
# page's "?" stands for what it lacks.
#
# Usage: zvq-like-linux.sh ZVQ_EXE LINUX_BUILD_FOLDER WORK_FOLDER
# Exit status 77 (skipped) when the Linux build has no zvq or no sample.
set -euo pipefail
exe=$(readlink -f "$1") host=$(readlink -f "${2:-.}") work=$3
linux=("$host/tools/zvq/zvq")
if [ ! -x "${linux[0]}" ] || [ ! -f "$host/Beispiel.zvq" ]; then
  echo "no Linux build with zvq and Beispiel.zvq in $2"
  exit 77
fi
source "$(dirname "$0")/compare.sh"

rm -rf "$work" && mkdir -p "$work" && cd "$work"
cp "$host/Beispiel.zvq" Beispiel.zvq
printf 'Sonnenblume\n' > pw

# Relative paths, which mean the same folder to both.
compare info info Beispiel.zvq
compare guest-list list Beispiel.zvq
compare juergen-list list Beispiel.zvq --user Jürgen --password-file pw
compare refused list Beispiel.zvq --user Jürgen --password-file Beispiel.zvq
compare guest extract Beispiel.zvq -d x
compare juergen extract Beispiel.zvq --user Jürgen --password-file pw -d x "Notizen für Jürgen.txt" Willkommen.txt
for tag in guest juergen; do
  if diff -r "lin-$tag" "win-$tag"; then echo "ok   $tag: the same files and bytes"; else failed=1; fi
done

daten=$(winepath -u 'C:\Daten' | tr -d '\r')
rm -rf "$daten" && mkdir -p "$daten/Москва"
cp Beispiel.zvq "$daten/Москва/Prüfung Ł.zvq"
container='C:\Daten\Москва\Prüfung Ł.zvq' missing='C:\Daten\Москва\fehlt Ł.zvq'
"${linux[@]}" extract Beispiel.zvq --user Jürgen --password-file pw -d lin-moskva >/dev/null
status=0
wine "$exe" extract "$container" --user Jürgen --password-file pw -d 'C:\Daten\Москва\Ziel Ω' >/dev/null 2>&1 </dev/null ||
  status=$?
if [ $status = 0 ] && diff -r lin-moskva "$daten/Москва/Ziel Ω"; then
  echo "ok   extracted from and into C:\Daten\Москва"
else
  echo "FAIL extraction on C:\Daten\Москва (exit status $status)" && failed=1
fi

# The console's text without Wine's cursor sequences; a blank it writes as a
# step of the cursor, a tab as blanks (so every run of them counts as one).
on_console() {
  rm -f console.in && mkfifo console.in
  script -qec "$(printf '%q ' wine "$exe" "$@")" /dev/null <console.in >console.out 2>&1 &
  exec 3>console.in
  # Typed once the prompt shows, with the echo off by then.
  if [ "${typed:-}" ]; then
    for _ in $(seq 100); do grep -q 'Passwort:' console.out && break; sleep 0.1; done
    sleep 0.5
    printf '%s\r' "$typed" >&3
  fi
  wait $! || true
  exec 3>&-
  sed -e 's/\x1b\[1C/ /g' -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' console.out | tr -d '\r' | blanks
}
blanks() { tr -s ' \t' ' ' | sed 's/ $//'; }
expect() {
  if [ "$2" = "$3" ]; then echo "ok   $1"; else printf 'FAIL %s\n-- expected:\n%s\n-- got:\n%s\n' "$1" "$3" "$2"; failed=1; fi
}
expect "console: a path of any letter" "$(on_console info "$missing")" \
  "zvq: Datei $missing kann nicht geöffnet werden."
expect "console: the typed password" "$(typed=Sonnenblume on_console list "$container" --user Jürgen)" \
  "$(printf 'Geben Sie zum Öffnen der Dateien das erforderliche Passwort ein.\nPasswort:\n'
     "${linux[@]}" list Beispiel.zvq --user Jürgen --password-file pw | blanks)"
wine "$exe" info "$missing" >/dev/null 2>win.err </dev/null || true
expect "pipe: the OEM code page" "$(tr -d '\r' <win.err | iconv -f CP437 -t UTF-8)" \
  'zvq: Datei C:\Daten\??????\fehlt ?.zvq kann nicht geöffnet werden.'
rm -rf "$daten"
exit $failed
