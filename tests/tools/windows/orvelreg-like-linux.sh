#!/usr/bin/env bash
# orvelreg.exe under Wine on the real (Wine's) registry against the Linux
# orvelreg on a registry folder of its own: the same answers, messages and
# exit statuses for values written, queried, exported and deleted, and the
# same REGEDIT4 bytes. The Windows side works below a key of this run's own
# under HKEY_CURRENT_USER\Software\Orvel and removes it at the end.
#
# Usage: orvelreg-like-linux.sh ORVELREG_EXE LINUX_BUILD_FOLDER WORK_FOLDER
# Exit status 77 (skipped) when the Linux build has no orvelreg.
set -euo pipefail
exe=$(readlink -f "$1") host=$(readlink -f "${2:-.}") work=$3
if [ ! -x "$host/tools/orvelreg/orvelreg" ]; then
  echo "no Linux build with orvelreg in $2"
  exit 77
fi
source "$(dirname "$0")/compare.sh"

rm -rf "$work" && mkdir -p "$work" && cd "$work"
linux=(env "ORVEL_REGISTRY_DIR=$work" "$host/tools/orvelreg/orvelreg")
key="HKCU\\Software\\Orvel\\Prüfung-$$-$RANDOM"
trap 'wine "$exe" delete "$key" /f >/dev/null 2>&1 || true' EXIT

compare add-text add "$key" /v Name /d "Jürgen Müller"
compare add-number add "$key" /v Zahl /t REG_DWORD /d 0x10
compare add-default add "$key\\Unter" /ve /d "Tab	und \\ Backslash"
compare query query "$key"
compare query-value query "$key" Name
compare query-default query "$key\\Unter"
compare_bytes export export "$key"
compare delete-value delete "$key" /v Zahl
compare missing-value query "$key" Zahl
compare delete-key delete "$key" /f
compare missing-key query "$key"
compare usage add
exit $failed
