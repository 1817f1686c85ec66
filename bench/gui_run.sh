#!/bin/sh
# Runs the window benchmarks on a private X server with a window manager:
# the start-up time against an empty wx frame, and the load through the
# wait window against the load without windows, a million members from
# "Weiter" on the login page to the drawn list, and "E&xtrahieren" of
# 100,000 members against tar -x.
# Usage: gui_run.sh BUILD_FOLDER
set -eu
build=${1:-build/wx}
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & fi
  sleep 1
  # Every benchmark runs; the status says whether all kept their limits.
  status=0
  "$0/bench/gui_startup" "$0/bench/gui_startup_sorvane" "$0/bench/gui_startup_peer" || status=1
  "$0/bench/gui_load" || status=1
  "$0/bench/gui_members" || status=1
  "$0/bench/gui_extract" || status=1
  exit $status' "$build"
