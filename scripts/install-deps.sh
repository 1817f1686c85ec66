#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the benchmarks need.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build ccache
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev
  libcli11-dev
  libjpeg-dev libzip-dev zip unzip
  desktop-file-utils libglib2.0-bin
  libwxgtk3.2-dev libgtk-3-dev
  libc-ares-dev
  libsodium-dev
  libsqlite3-dev binutils-mingw-w64-x86-64
  xvfb xauth openbox xdotool x11-apps x11-xkb-utils
  nginx-light curl
  openssl
  time
  help2man dpkg-dev lintian appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
  wine wine32:i386
)

# Wine's 32-bit part (the Windows build's tests run under it) needs the i386
# architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
