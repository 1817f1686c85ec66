#!/bin/sh
# The members benchmark (gui_members) of the Windows build under Wine beside
# the same benchmark of the Linux build, on the same 1,000,000-member
# container, in turns on one private X server with a window manager: from
# "Weiter" on the login page to page 2 drawn and idle, and the program's
# peak memory (Linux: VmHWM; Windows: the peak working set, which Wine takes
# from the VmHWM of the Wine process). Prints every run, then the median and
# the range of each figure and the ratio of the medians, Wine to Linux.
# Exit status 0 when both medians of page 2 idle stay under 3 s.
#
# Wine runs in a prefix of the benchmark's own (made on the first run).
# Usage: gui_wine_run.sh [LINUX_BUILD [WINDOWS_BUILD [RUNS]]]
set -eu
linux=${1:-build/test}
windows=${2:-build/windows}
runs=${3:-5}
for program in "$linux/bench/gui_members" "$windows/bench/gui_members.exe"; do
  [ -f "$program" ] || { echo "gui_wine_run: $program is missing" >&2; exit 2; }
done

work=$(mktemp -d /tmp/sorvane-gui-wine-XXXXXX)
trap 'rm -rf "$work"' EXIT
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
export WINEPREFIX=${WINEPREFIX:-$PWD/$windows/gui-members-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  linux=$1 windows=$2 runs=$3 work=$4
  if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then wineboot -i >/dev/null 2>&1; fi
  # One Wine server for all runs, with Wine'"'"'s own services up before the first.
  wineserver -w
  wineserver -p
  trap "wineserver -k 2>/dev/null || true" EXIT
  wineboot >/dev/null 2>&1 </dev/null
  sleep 1
  # A run of each first, not counted: the Linux one writes the container
  # into $work/Programm, which every later run, Linux or Wine (drive Z: is
  # /), reads; the Wine one takes the costs of a first start in the prefix.
  echo "== warm-up runs, not counted"
  "$linux/bench/gui_members" "$work" >/dev/null || true
  wine "$windows/bench/gui_members.exe" "Z:$work" </dev/null >/dev/null || true
  for run in $(seq "$runs"); do
    echo "== run $run: Linux"
    "$linux/bench/gui_members" "$work" | tee "$work/linux-$run.txt" || true
    echo "== run $run: Wine"
    wine "$windows/bench/gui_members.exe" "Z:$work" </dev/null | tr -d "\r" | tee "$work/wine-$run.txt" || true
  done' sh "$linux" "$windows" "$runs" "$work"

# One figure of every run of a side: the number after the word $3 on the
# line holding $2.
figures() {
  cat "$work/$1"-*.txt | awk -v line="$2" -v word="$3" \
    'index($0, line) { for (i = 1; i < NF; i++) if ($i == word) { v = $(i + 1); sub(/\(|\)|;/, "", v); print v } }'
}
# median min max of the numbers on stdin.
summary() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "- - -"; exit }
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    print m, v[1], v[NR] }'
}

echo
echo "gui_wine_run: $runs runs each, median [min - max]; the machine is shared, so the range shows its noise"
printf '  %-36s %-28s %-28s %s\n' "figure" "Linux (peer)" "Wine" "Wine/Linux"
status=0
report() {
  set -- "$1" "$2" "$3" "$4" $(figures linux "$2" "$3" | summary) $(figures wine "$2" "$3" | summary)
  printf '  %-36s %-28s %-28s %s\n' "$1" "$5 [$6 - $7] $4" "$8 [$9 - ${10}] $4" \
    "$(awk -v l="$5" -v w="$8" 'BEGIN { if (l + 0 > 0) printf "%.2f", w / l; else print "-" }')"
}
report '"Weiter" to page 2 idle' "to page 2 idle" idle s
report '"Weiter" to page 2 drawn' "to page 2 drawn" drawn s
report '  of which the login handler' "to page 2 drawn" "(handler" s
report 'peak memory of the program' "peak memory of the program" program KiB
for side in linux wine; do
  median=$(figures "$side" "to page 2 idle" idle | summary | cut -d' ' -f1)
  awk -v m="$median" 'BEGIN { exit !(m != "-" && m < 3.0) }' || { echo "  $side: page 2 not idle within 3 s"; status=1; }
done
exit $status
