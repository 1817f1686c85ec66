#!/usr/bin/env bash
# The program's main job on the sample container: installs what is missing,
# builds the release build in build/run, then shows the sample Beispiel.zvq
# with zvq (title and counts, the guest's members) and extracts the guest's
# members into ./Beispiel-extrahiert (replacing what an earlier run left there).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_BENCH=OFF
cmake --build build/run -j "$(nproc)" --target zvq sample_container

zvq=build/run/tools/zvq/zvq
sample=build/run/Beispiel.zvq
target=./Beispiel-extrahiert

echo "== zvq info $sample =="
"$zvq" info "$sample"
echo
echo "== zvq list $sample (als Gast) =="
"$zvq" list "$sample"
echo
echo "== zvq extract $sample -d $target (als Gast) =="
"$zvq" extract "$sample" -d "$target" --overwrite
