#!/usr/bin/env bash
# orvelsign.exe under Wine against the Linux orvelsign: with the same key, the
# same signature of the same archive (Ed25519 signs deterministically), whose
# name beyond ASCII reaches the statement in Windows-1252 on both; the same
# refusals and exit statuses.
#
# Usage: orvelsign-like-linux.sh ORVELSIGN_EXE LINUX_BUILD_FOLDER WORK_FOLDER
# Exit status 77 (skipped) when the Linux build has no orvelsign.
set -euo pipefail
exe=$(readlink -f "$1") host=$(readlink -f "${2:-.}") work=$3
linux=("$host/tools/orvelsign/orvelsign")
if [ ! -x "${linux[0]}" ]; then
  echo "no Linux build with orvelsign in $2"
  exit 77
fi
source "$(dirname "$0")/compare.sh"

rm -rf "$work" && mkdir -p "$work" && cd "$work"
"${linux[@]}" keygen --key k.key >/dev/null
printf 'Inhalt des Archivs\n' > Prüfung.zip

compare sign sign --key k.key ZVQ 2026-12-01 Prüfung.zip
compare key-kept keygen --key k.key
compare bad-date sign --key k.key ZVQ 1.12.2026 Prüfung.zip
compare no-key sign --key fehlt.key ZVQ 2026-12-01 Prüfung.zip
compare no-archive sign --key k.key ZVQ 2026-12-01 fehlt.zip
exit $failed
