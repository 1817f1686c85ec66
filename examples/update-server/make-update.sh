#!/bin/sh
# Builds the example update server's folder: OUT/Updates.ini and the signed
# archive OUT/Updates/Sorvane-Update.zip, made with Info-ZIP's zip from the
# template Update.bat and the new file Neuigkeiten.zvq (a copy of PAYLOAD).
# The list carries today's date and the signature by orvelsign of the offer:
# the section "ZVQ", that date, the archive's name and its contents.
# Dates are written in the locale's short date format (date +%x), which is
# the format the program reads them in when it runs in the same locale.
# Usage: make-update.sh [--windows] OUT PAYLOAD ORVELSIGN [KEYFILE]
# KEYFILE defaults to the demo key beside this script, whose secret is public.
# With --windows the archive's Update.bat is the batch file
# Update-Windows.bat, in Windows-1252 with CR LF line ends as cmd.exe reads
# it; else the shell script Update.bat for the Linux program.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
windows=false
if [ "${1:-}" = --windows ]; then windows=true; shift; fi
out=$1
payload=$2
orvelsign=$3
key=${4:-$here/demo-signing.key}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out/Updates"
if $windows; then
  iconv -f UTF-8 -t CP1252 "$here/Update-Windows.bat" | sed 's/$/\r/' >"$stage/Update.bat"
else
  cp "$here/Update.bat" "$stage/Update.bat"
fi
cp "$payload" "$stage/Neuigkeiten.zvq"
rm -f "$out/Updates/Sorvane-Update.zip"
(cd "$stage" && zip -q -X "$out/Updates/Sorvane-Update.zip" Update.bat Neuigkeiten.zvq)

day=$(date +%F)
signature=$("$orvelsign" sign --key "$key" ZVQ "$day" "$out/Updates/Sorvane-Update.zip")
today=$(date -d "$day" +%x)
first=$(date -d 2003-12-24 +%x)
{
  sed -e "s|@TODAY@|$today|g" -e "s|@FIRST@|$first|g" "$here/Updates.ini.in"
  printf 'Signature=%s\n' "$signature"
} | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' >"$out/Updates.ini"
