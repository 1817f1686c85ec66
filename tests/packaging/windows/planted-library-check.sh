#!/usr/bin/env bash
# A program folder in Downloads, with DLLs of a stranger beside the programs:
# one under each name of a system DLL that Windows does not keep as a
# KnownDLL, and "UNZIPENGINE.DLL". Each leaves a mark when it is loaded. The
# programs start and answer as ever, and none of them loads.
#
# Wine takes its own DLL before a file found on the search path; the
# overrides make it take the file first, as Windows does. Wine's own DLLs
# then take some of these files for their import tables while a process
# starts (Wine's user32 imports version.dll, Windows' does not; its
# comdlg32 imports winspool.drv): a first round finds them, and they are
# reported and taken away. uxtheme.dll is not planted: the programs import
# it as comctl32 does (cmake/SorvaneDelayImports.cmake). What the programs' own import tables name is read with objdump
# instead: none of these names may stand there. Any mark of the second round
# fails the test, "<file>.loaded" being a late import or a DLL loaded by its
# name; LATE_IMPORT_PROBE makes both kinds of load the way the programs do.
#
# sorvane.exe, a window program, answers --help and --version in the console
# it was started from: WINDOW_STARTER starts it as Windows does there, and
# script(1) gives Wine's console a terminal.
# Usage: planted-library-check.sh WORKDIR PLANTED_DLL WINDOW_STARTER VERSION OBJDUMP ENGINE... -- PROGRAM...
set -euo pipefail
work=$1 planted=$2 starter=$3 version=$4 objdump=$5
shift 5
engines=()
while [ "$1" != "--" ]; do engines+=("$1"); shift; done
shift
fail() { echo "FAIL: $*" >&2; exit 1; }

unprotected="bcrypt.dll crypt32.dll dwmapi.dll iphlpapi.dll msimg32.dll oleacc.dll usp10.dll version.dll \
  winhttp.dll wininet.dll winmm.dll winspool.drv wsock32.dll"

for module in "$@" "${engines[@]}"; do
  dlls=" $("$objdump" -p "$module" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z\n' 'a-z ') "
  [ "$dlls" != "  " ] || fail "$(basename "$module") imports no DLL"
  for dll in $unprotected; do
    [[ "$dlls" != *" $dll "* ]] || fail "$(basename "$module") imports $dll, which Windows looks for beside it first"
  done
done

folder=$work/Downloads
rm -rf "$work" && mkdir -p "$folder"
# Wine's own services start from elsewhere, before anything is planted.
wineserver -p 60 2>/dev/null || true
(cd "$work" && WINEDEBUG=-all wine cmd /c exit) || fail "Wine does not start"
cp "$@" "$starter" "$folder/"
for dll in $unprotected UNZIPENGINE.DLL; do cp "$planted" "$folder/$dll"; done
overrides=$(echo "$unprotected" | tr -s ' ' ',')

export WINEDEBUG=-all WINEDLLOVERRIDES="$overrides=n,b;mscoree,mshtml="
run() {
  (cd "$folder" && wine "$@" </dev/null 2>&1) | tr -d '\r'
}
# What the console shows, without its cursor and colour sequences.
in_console() {
  (cd "$folder" && LC_ALL=C.UTF-8 script -qec "wine ./$(basename "$starter") $*" /dev/null </dev/null) |
    sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r'
}
expect() {
  local what=$1 pattern=$2
  shift 2
  local out
  out=$(run "$@") || fail "$what failed: $out"
  grep -q -- "$pattern" <<<"$out" || fail "$what printed: $out"
}
# A first round finds the files that Wine's own DLLs take while a process
# starts, before any code of the program runs; they tell nothing of the
# programs and are taken away. A program that one of them stops at its start
# (a file without the functions Wine's DLL calls) is run again without it.
wines=
for _ in 1 2 3; do
  for program in "$@"; do run "./$(basename "$program")" --version >/dev/null || true; done
  found=$(cd "$folder" && ls -- *.imported *.loaded 2>/dev/null | sed 's/\.[a-z]*$//' | sort -u || true)
  [ -n "$found" ] || break
  for dll in $found; do rm -f "$folder/$dll" "$folder/$dll".*; done
  wines="$wines $found"
done
[ -z "$wines" ] || echo "taken by Wine's own DLLs at a start, left out: $(echo $wines)"

expect "late_import_probe.exe" "interfaces counted, winmm loaded" ./late_import_probe.exe
expect "zvq.exe --version" "^zvq $version\$" ./zvq.exe --version
expect "orvelreg.exe --help" "orvelreg" ./orvelreg.exe --help
expect "orvelupdate.exe --help" "orvelupdate" ./orvelupdate.exe --help
expect "orvelsign.exe --help" "orvelsign" ./orvelsign.exe --help
expect "sorvane.exe --version into a pipe" "^sorvane $version\$" ./sorvane.exe --version
out=$(in_console sorvane.exe --version)
grep -q "^sorvane $version\$" <<<"$out" || fail "sorvane.exe --version in a console printed: $out"
out=$(in_console sorvane.exe --help)
grep -q "^Aufruf: sorvane" <<<"$out" || fail "sorvane.exe --help in a console printed: $out"
# Written in the console's code page, as the tools write: Wine's console
# reads it so and shows UTF-8 on the terminal.
grep -q "^Öffnet" <<<"$out" || fail "sorvane.exe --help is not in the console's code page: $(head -1 <<<"$out")"

marks=$(cd "$folder" && ls -- *.imported *.loaded 2>/dev/null || true)
[ -z "$marks" ] || fail "loaded from the program folder: $(echo $marks)"
echo "no DLL of the program folder was loaded"
