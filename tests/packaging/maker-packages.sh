#!/bin/sh
# Makes the packages as the maker does, with a key of the test's own: a
# throwaway key pair from orvelsign keygen, a tree beside the test build
# configured with its public key (only what is installed, no tests), built,
# and CPack's packages of it in PACKAGES. What a package needs that the test
# build already compiled comes from the compiler cache.
# Usage: maker-packages.sh SOURCE TREE PACKAGES ORVELSIGN -- CMAKE-ARGUMENTS...
# ORVELSIGN may be a command with its arguments ("wine orvelsign.exe").
set -eu
source=$1 tree=$2 packages=$3 orvelsign=$4
shift 5

mkdir -p "$tree"
key=$tree/maker-signing.key
rm -f "$key"
# shellcheck disable=SC2086 # the command's words
public=$($orvelsign keygen --key "$key" | tr -d '\r')
log=$tree/maker-packages.log
if ! { cmake -S "$source" -B "$tree" "$@" -DSORVANE_TESTS=OFF -DSORVANE_BENCH=OFF \
         -DSORVANE_UPDATE_PUBLIC_KEY="$public" &&
       cmake --build "$tree" &&
       rm -rf "$packages" && mkdir -p "$packages" &&
       (cd "$packages" && cpack --config "$tree/CPackConfig.cmake" -B "$packages"); } >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
echo "maker-packages: made with the key $public:"
ls "$packages"
