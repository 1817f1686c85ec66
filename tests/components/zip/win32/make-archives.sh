#!/bin/sh
# The archives of the ZIP tests under Windows, made at build time by
# Info-ZIP's zip ($1) into the folder $2, with their sources in $2/src.
set -e
zip=$1
out=$2
rm -rf "$out"
mkdir -p "$out/src/bin" "$out/src/doc/deep"
cd "$out/src"

printf 'echo hi\r\n' > Update.bat
seq 1 60000 > bin/sorvane.exe
: > doc/deep/liesmich.txt
"$zip" -q -X -0 ../a.zip Update.bat
"$zip" -q -X -r ../a.zip bin doc

printf 'AAAA' > a.txt
printf 'the data of b, stored so that a byte can be changed' > b.txt
"$zip" -q -X -0 ../c.zip a.txt b.txt

# A name beyond ASCII, in UTF-8 as the archive stores it: "Grüße.txt".
name=$(printf 'Gr\303\274\303\237e.txt')
printf 'viele' > "$name"
"$zip" -q -X ../umlaut.zip "$name"

# A name the ANSI code page cannot spell, whose look-alikes would climb out:
# "x／..／evil.txt" with full-width slashes.
name=$(printf 'x\357\274\217..\357\274\217evil.txt')
printf 'evil' > "$name"
"$zip" -q -X ../foreign.zip "$name"
