#!/bin/sh
# The setup smoke runs in order on one private registry and data folder: a
# normal start registers, "/uninstall" answered "&Nein" keeps everything,
# once more with the update check due, and answered "&Ja" with the check due
# removes it. Links open through a stand-in opener that logs them.
# Usage: setup-smoke.sh PROGRAM ARTIFACT_FOLDER
set -u
here=$(dirname "$0")
work=$(mktemp -d /tmp/sorvane-setup-smoke-XXXXXX)
trap 'rm -rf "$work"' EXIT
export ORVEL_REGISTRY_DIR="$work/registry" XDG_DATA_HOME="$work/data" SORVANE_SMOKE_OPENED="$work/opened.log"
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" >>"$SORVANE_SMOKE_OPENED"\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
for run in start no "no due" "yes due"; do
  # shellcheck disable=SC2086 # the way and "due" are two arguments
  "$here/run-under-xvfb.sh" "$1" "$2/$(echo $run | tr ' ' -)" $run || { echo "setup smoke: $run failed" >&2; exit 1; }
done
