#!/bin/sh
# Builds the example update server's folder: OUT/Updates.ini, one list for
# both systems, and its two signed archives, each made with Info-ZIP's zip
# from a template Update.bat and the new file Neuigkeiten.zvq (a copy of
# PAYLOAD):
#   section "ZVQ" (Windows): OUT/Updates/Sorvane-Update.zip, whose Update.bat
#     is the batch file Update-Windows.bat in Windows-1252 with CR LF line
#     ends, as cmd.exe reads it;
#   section "ZVQ-Linux-<processor>" (Linux, the processor as uname -m names
#     it): OUT/Updates/Sorvane-Update-Linux-<processor>.zip, whose Update.bat
#     is the shell script Update.bat.
# Each section carries today's date, its archive's size and the signature by
# orvelsign of its offer: the section, that date, the archive's name, its
# contents and its size. Dates are written in the locale's short date format
# (date +%x), which is the format the program reads them in when it runs in
# the same locale.
# Usage: make-update.sh OUT PAYLOAD ORVELSIGN [KEYFILE]
# KEYFILE defaults to the demo key beside this script, whose secret is public
# (a program built with it takes updates only from this machine).
# ORVELSIGN may be a command with its arguments ("wine orvelsign.exe").
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$1
payload=$2
orvelsign=$3
key=${4:-$here/demo-signing.key}
linux_section=ZVQ-Linux-$(uname -m)
linux_file=Sorvane-Update-Linux-$(uname -m).zip

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out/Updates" "$stage/windows" "$stage/linux"
iconv -f UTF-8 -t CP1252 "$here/Update-Windows.bat" | sed 's/$/\r/' >"$stage/windows/Update.bat"
cp "$here/Update.bat" "$stage/linux/Update.bat"
day=$(date +%F)

# archive FOLDER FILE SECTION: zips FOLDER's template with the payload into
# OUT/Updates/FILE and prints its size and its signature for SECTION.
archive() {
  cp "$payload" "$stage/$1/Neuigkeiten.zvq"
  rm -f "$out/Updates/$2"
  (cd "$stage/$1" && zip -q -X "$out/Updates/$2" Update.bat Neuigkeiten.zvq)
  # shellcheck disable=SC2086 # the command's words
  printf '%s %s\n' "$(wc -c <"$out/Updates/$2")" \
    "$($orvelsign sign --key "$key" "$3" "$day" "$out/Updates/$2" | tr -d '\r')"
}
set -- $(archive windows Sorvane-Update.zip ZVQ) $(archive linux "$linux_file" "$linux_section")

today=$(date -d "$day" +%x)
first=$(date -d 2003-12-24 +%x)
sed -e "s|@TODAY@|$today|g" -e "s|@FIRST@|$first|g" \
    -e "s|@WINDOWS_SIZE@|$1|" -e "s|@WINDOWS_SIGNATURE@|$2|" \
    -e "s|@LINUX_SECTION@|$linux_section|" -e "s|@LINUX_FILE@|$linux_file|" \
    -e "s|@LINUX_SIZE@|$3|" -e "s|@LINUX_SIGNATURE@|$4|" "$here/Updates.ini.in" |
  iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' >"$out/Updates.ini"
