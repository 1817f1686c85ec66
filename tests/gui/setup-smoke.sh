#!/bin/sh
# The setup smoke runs in order on one private registry and data folder: a
# normal start registers, "/uninstall" answered "&Nein" keeps everything,
# answered "&Ja" removes it.
# Usage: setup-smoke.sh PROGRAM ARTIFACT_FOLDER
set -u
here=$(dirname "$0")
work=$(mktemp -d /tmp/sorvane-setup-smoke-XXXXXX)
trap 'rm -rf "$work"' EXIT
export ORVEL_REGISTRY_DIR="$work/registry" XDG_DATA_HOME="$work/data"
for mode in start no yes; do
  "$here/run-under-xvfb.sh" "$1" "$2/$mode" "$mode" || { echo "setup smoke: $mode failed" >&2; exit 1; }
done
