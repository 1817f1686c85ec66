#!/usr/bin/env bash
# The program's main job on the sample container: installs what is missing,
# builds the release build in build/run and puts the sample Beispiel.zvq
# next to the program, then starts the wizard, which lists it on its first
# page. Without a display it says so and does the command line job instead:
# shows the sample with zvq (title and counts, the guest's members) and
# extracts the guest's members into ./Beispiel-extrahiert (replacing what an
# earlier run left there).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_BENCH=OFF
cmake --build build/run -j "$(nproc)" --target zvq orvelreg sample_container sorvane

zvq=build/run/tools/zvq/zvq
sample=build/run/Beispiel.zvq
target=./Beispiel-extrahiert

# The wizard lists the containers of its own folder.
cp "$sample" build/run/bin/
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== sorvane (the wizard; Beispiel.zvq is listed on its first page) =="
  exec build/run/bin/sorvane
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the wizard cannot be shown."
echo "Doing the command line job on the sample container instead."
echo

echo "== zvq info $sample =="
"$zvq" info "$sample"
echo
echo "== zvq list $sample (als Gast) =="
"$zvq" list "$sample"
echo
echo "== zvq extract $sample -d $target (als Gast) =="
"$zvq" extract "$sample" -d "$target" --overwrite
