#!/usr/bin/env bash
# A whole signed update by hand: builds the program, puts it into a fresh
# program folder (with the sample container, dated two days back so that the
# server's update is newer), builds the example update server's folder
# (examples/update-server: update list with news, an archive made with zip
# and signed with the demo key), serves it with nginx on a free loopback port
# and starts the program with ORVEL_UPDATE_HOST pointing at it, with its own
# registry, system and temporary folders.
#
# The update wizard comes up at once (a first start): check, download,
# install, "Beenden". The update's script then copies Neuigkeiten.zvq into
# the program folder and starts the program again, which lists the new
# container and shows no wizard. Everything lives in build/update-demo.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_BENCH=OFF
cmake --build build/run -j "$(nproc)" --target sorvane orvelsign orvelreg sample_container

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the update wizard cannot be shown." >&2
  exit 1
fi

demo=$PWD/build/update-demo
rm -rf "$demo"
mkdir -p "$demo"/{Programm,server,nginx,registry,system,temp}
chmod 700 "$demo/temp"  # private, or the program makes its own folder inside
cp build/run/bin/sorvane build/run/Beispiel.zvq "$demo/Programm/"
touch -d '2 days ago' "$demo/Programm/sorvane"
examples/update-server/make-update.sh "$demo/server" build/run/Beispiel.zvq build/run/tools/orvelsign/orvelsign

port=$(examples/update-server/serve.sh "$demo/server" "$demo/nginx")
trap 'if [ -f "$demo/nginx/nginx.pid" ]; then kill "$(cat "$demo/nginx/nginx.pid")" 2>/dev/null || true; fi' EXIT
echo "== update server: http://127.0.0.1:$port/Updates.ini (folder $demo/server) =="

export ORVEL_UPDATE_HOST=127.0.0.1:$port
export ORVEL_REGISTRY_DIR=$demo/registry ORVEL_SYSTEM_DIR=$demo/system TMPDIR=$demo/temp
echo "== sorvane from $demo/Programm: go through the update wizard, then \"Beenden\" =="
"$demo/Programm/sorvane"

echo
echo "The update's script now replaces the files and restarts the program."
echo "Registry afterwards (\"Update\" holds the next reminder):"
sleep 3
build/run/tools/orvelreg/orvelreg query 'HKLM\Software\Orvel\Sorvane' || true
ls -l "$demo/Programm"
