#!/usr/bin/env bash
# Installs what is missing, builds the program twice (warnings as errors; then
# with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in
# both builds; then the Windows build and its tests under Wine
# (scripts/windows-build.sh; SORVANE_WINDOWS=0 leaves it out of a quick local
# run). Exit status 0 only when everything passed.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
export GSETTINGS_BACKEND=memory
# The compiler cache: the package tests build a second tree like build/test
# (with a signing key of their own), and paths relative to the checkout let
# it, and a later clone, reuse what is compiled here.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "== build and test (warnings as errors) =="
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVANE_WERROR=ON "${launcher[@]}"
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== build and test (AddressSanitizer, UndefinedBehaviorSanitizer) =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSORVANE_WERROR=ON -DSORVANE_SANITIZE=ON -DSORVANE_BENCH=OFF \
  "${launcher[@]}"
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs" --label-exclude no-sanitizer

if [ "${SORVANE_WINDOWS:-1}" != 0 ]; then
  ./scripts/windows-build.sh
fi

echo "== all tests passed =="
