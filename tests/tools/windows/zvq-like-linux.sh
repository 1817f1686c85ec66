#!/usr/bin/env bash
# zvq.exe under Wine against the Linux zvq, on the sample container: the same
# texts and exit statuses for the title, the members of the guest and of
# Jürgen, a refused login and the extractions, and the same files with the
# same bytes extracted.
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
exit $failed
