#!/bin/sh
# One whole update, end to end, in a fresh program folder and registry: the
# example update server's folder (signed with the demo key) served by nginx,
# the program (update_e2e, the real program with a driver) started from the
# program folder, its update script replacing a file there and starting it
# again. Runs under run-under-xvfb.sh, which gives the display.
# Usage: update-e2e.sh ARTIFACTS PROGRAM SAMPLE ORVELSIGN ORVELREG EXAMPLES
set -eu
artifacts=$1 program=$2 sample=$3 orvelsign=$4 orvelreg=$5 examples=$6

work=$(mktemp -d /tmp/sorvane-update-e2e-XXXXXX)
cleanup() {
  [ -f "$work/nginx/nginx.pid" ] && kill "$(cat "$work/nginx/nginx.pid")" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/Programm" "$work/server" "$work/nginx" "$work/registry" "$work/system" "$work/temp" "$work/state"
chmod 700 "$work/temp"  # private, or the program makes its own folder inside
cp "$program" "$work/Programm/sorvane"
cp "$sample" "$work/Programm/Beispiel.zvq"
touch -d '2 days ago' "$work/Programm/sorvane"
"$examples/make-update.sh" "$work/server" "$sample" "$orvelsign"
port=$("$examples/serve.sh" "$work/server" "$work/nginx")

export ORVEL_UPDATE_HOST=127.0.0.1:$port ORVEL_REGISTRY_DIR=$work/registry ORVEL_SYSTEM_DIR=$work/system
export TMPDIR=$work/temp ORVEL_E2E_ARTIFACTS=$artifacts ORVEL_E2E_STATE=$work/state

fail() {
  echo "update-e2e: FAILED: $*" >&2
  if [ -f "$work/state/second.log" ]; then
    echo "update-e2e: the restarted program said:" >&2
    cat "$work/state/second.log" >&2
  fi
  exit 1
}

"$work/Programm/sorvane" || fail "the first run"
[ -f "$work/state/first-done" ] || fail "the first run did not finish the wizard"

# The update's script waits a moment, copies the new file and restarts the
# program, which notes its run and ends by itself.
i=0
while [ ! -f "$work/state/second-done" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i + 1)); done
[ -f "$work/state/second-done" ] || fail "the program was not restarted (or showed the wizard)"
sleep 1
cmp -s "$sample" "$work/Programm/Neuigkeiten.zvq" || fail "Neuigkeiten.zvq was not put into the program folder"
[ ! -f "$work/temp/Update.bat" ] || fail "Update.bat did not remove itself"
ls "$work/temp"/\$* >/dev/null 2>&1 && fail "the update list's copy was left behind"
# The list offers both systems; this program took the Linux archive only.
grep -q "GET /Updates/Sorvane-Update-Linux-$(uname -m).zip " "$work/nginx/access.log" ||
  fail "the Linux archive was not downloaded"
grep -q 'GET /Updates/Sorvane-Update.zip ' "$work/nginx/access.log" && fail "the Windows archive was downloaded"

# "Update" holds today + 7 - 1 as 8 bytes of a little-endian double.
days=$(( $(date -u -d "$(date +%F)" +%s) / 86400 + 25569 + 7 - 1 ))
expected=$(perl -e 'print uc unpack("H*", pack("d<", $ARGV[0]))' "$days")
stored=$("$orvelreg" query 'HKLM\Software\Orvel\Sorvane' Update | awk -F '\t' '{print $3}' | tr -d ' ' | tr a-f A-F)
[ "$stored" = "$expected" ] || fail "\"Update\" holds '$stored', not today + 6 ($expected)"
echo "update-e2e: passed"
