#!/bin/sh
# Runs a window test on a private X server with a window manager, so that
# windows have frames as on a desktop, and fails when GTK printed critical
# messages or warnings on the way.
# Usage: run-under-xvfb.sh PROGRAM ARTIFACT_FOLDER [ARGUMENTS...]
set -u
program=$1
artifacts=$2
shift 2
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png
log="$artifacts/stderr.log"
# No session bus on a private server: settings in memory, no accessibility
# bridge (both would only print that they cannot connect).
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & wm=$!; fi
  "$@"; status=$?
  if [ -n "${wm:-}" ]; then kill "$wm" 2>/dev/null; fi
  exit $status' run "$program" "$artifacts" "$@" 2>"$log"
status=$?
cat "$log" >&2
if grep -E "CRITICAL|Gtk-WARNING|GLib-WARNING|GLib-GObject-WARNING|Gdk-WARNING" "$log" >/dev/null; then
  echo "GTK printed critical messages or warnings (see $log)" >&2
  exit 1
fi
exit $status
