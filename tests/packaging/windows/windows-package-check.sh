#!/usr/bin/env bash
# Checks the Windows package as a user gets it: unpacked with Info-ZIP, one
# folder with the program, the tools and the README; the programs need no DLL
# that Windows does not bring; the README has CR LF line ends; and a tool
# runs from the unpacked folder under Wine.
# Usage: windows-package-check.sh ZIP FOLDER VERSION WORKDIR UNZIP OBJDUMP
set -euo pipefail
zip=$1 folder=$2 version=$3 work=$4 unzip=$5 objdump=$6
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work" && mkdir -p "$work"
"$unzip" -q "$zip" -d "$work" || fail "unzip cannot unpack $zip"

expected="LIESMICH.txt orvelreg.exe orvelsign.exe orvelupdate.exe sorvane.exe zvq.exe"
files=$("$unzip" -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
[ "$files" = "$(printf "$folder/%s " $expected)" ] || fail "the archive holds: $files"

# Windows' own DLLs, present on every Windows the program runs on; the C and
# C++ runtimes and every library are linked in.
system_dlls=" $(echo advapi32.dll comctl32.dll comdlg32.dll crypt32.dll gdi32.dll imm32.dll iphlpapi.dll \
  kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll rpcrt4.dll shell32.dll shlwapi.dll user32.dll \
  uxtheme.dll version.dll wininet.dll winmm.dll winspool.drv ws2_32.dll) "
for exe in "$work/$folder"/*.exe; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || fail "$(basename "$exe") imports no DLL: not a Windows program?"
  for dll in $dlls; do
    [[ "$system_dlls" == *" $dll "* ]] || fail "$(basename "$exe") needs $dll, which Windows does not bring"
  done
done

readme="$work/$folder/LIESMICH.txt"
grep -q "$version" "$readme" || fail "LIESMICH.txt names no version $version"
if LC_ALL=C grep -qv $'\r$' "$readme"; then fail "LIESMICH.txt has a line without CR LF"; fi
[ "$(tail -c 2 "$readme" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "LIESMICH.txt does not end in CR LF"

out=$(cd "$work/$folder" && WINEDEBUG=-all wine ./zvq.exe --version </dev/null) || fail "zvq.exe --version failed under Wine"
[ "$out" = $'zvq '"$version"$'\r' ] || fail "zvq.exe --version printed: $out"
echo "the package $(basename "$zip") is complete"
