#!/usr/bin/env bash
# Cross-builds the static libraries the Windows build links (wxWidgets for MSW,
# libjpeg-turbo, libzip over the mingw zlib, libsodium, c-ares) from Debian's own
# source packages, with Debian's i686 mingw-w64 compiler.
#
# The result goes into a prefix folder keyed by the source versions and by this
# script, under ${SORVANE_WINDOWS_DEPS_CACHE:-~/.cache/sorvane/windows-deps};
# a second run finds it and only checks the versions. build/windows-deps in the
# checkout points at it for the "windows" CMake preset.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
triplet=i686-w64-mingw32
toolchain=$root/cmake/toolchain-$triplet.cmake
jobs=${SORVANE_WINDOWS_DEPS_JOBS:-2}
cache=${SORVANE_WINDOWS_DEPS_CACHE:-$HOME/.cache/sorvane/windows-deps}
source_packages=(wxwidgets3.2 libjpeg-turbo libzip libsodium c-ares)

say() { printf '== %s\n' "$*" >&2; }

install_packages() {
  local packages=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix libz-mingw-w64-dev
                  dpkg-dev cmake ninja-build make pkg-config ccache autoconf automake libtool)
  local missing=() p
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The system's own package sources, turned into source-package entries in a
# private folder, so that neither the system's lists nor its caches change.
apt_dir=$cache/apt
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources"
          -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
# apt's download user cannot write into root's private folders.
if [ "$(id -u)" -eq 0 ]; then apt_opts+=(-o APT::Sandbox::User=root); fi

update_source_lists() {
  rm -rf "$apt_dir/sources"
  mkdir -p "$apt_dir/sources" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >> "$apt_dir/sources/system.list"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$f" > "$apt_dir/sources/$(basename "$f")"
  done
  # A third-party source without source packages must not stop the Debian ones.
  apt-get "${apt_opts[@]}" -qq update || say "some source lists failed to update; carrying on"
}

# The .dsc file names apt would fetch now: they carry the exact versions.
source_descriptions() {
  local s line
  for s in "${source_packages[@]}"; do
    line=$(apt-get "${apt_opts[@]}" source --print-uris "$s" | grep -o "[^/' ]*\.dsc'" | head -n 1)
    [ -n "$line" ] || { echo "no source package for $s" >&2; return 1; }
    line=${line%\'}
    printf '%b\n' "${line//%/\\x}"  # the URI encodes "+" as %2b
  done
}

launcher=()
if command -v ccache >/dev/null; then launcher=(ccache); fi

cmake_dep() {
  local name=$1 src=$2; shift 2
  say "building $name"
  cmake -S "$src" -B "$work/build-$name" -G Ninja -Wno-dev \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_COMPILER_LAUNCHER="${launcher[*]}" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="${launcher[*]}" \
    "$@" >"$work/$name.log" 2>&1 || { tail -n 40 "$work/$name.log"; return 1; }
  { cmake --build "$work/build-$name" -j "$jobs" && cmake --install "$work/build-$name"; } \
    >>"$work/$name.log" 2>&1 || { tail -n 40 "$work/$name.log"; return 1; }
}

configure_dep() {
  local name=$1 src=$2; shift 2
  say "building $name"
  mkdir -p "$work/build-$name"
  # Sources taken from the project's repository come without the script.
  if [ ! -x "$src/configure" ]; then
    ( cd "$src" && autoreconf -fi ) >"$work/$name-autoreconf.log" 2>&1 \
      || { tail -n 40 "$work/$name-autoreconf.log"; return 1; }
  fi
  ( cd "$work/build-$name" &&
    "$src/configure" --host=$triplet --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE 2>/dev/null)" \
      --prefix="$prefix" --libdir="$prefix/lib" --disable-shared \
      CC="${launcher[*]} $triplet-gcc-posix" CXX="${launcher[*]} $triplet-g++-posix" \
      AR=$triplet-gcc-ar-posix RANLIB=$triplet-gcc-ranlib-posix "$@" &&
    make -j "$jobs" && make install ) >"$work/$name.log" 2>&1 || { tail -n 40 "$work/$name.log"; return 1; }
}

build_all() {
  local dir
  dir() { ls -d "$work/src/$1"_*/ | head -n 1; }

  cmake_dep libjpeg-turbo "$(dir libjpeg-turbo)" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
  cmake_dep libzip "$(dir libzip)" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON \
    -DZLIB_INCLUDE_DIR=/usr/$triplet/include -DZLIB_LIBRARY=/usr/$triplet/lib/libz.a
  # Debian's fix of the IPv6 address parser uses the BSD name INADDRSZ, which
  # only the Unix headers define.
  cmake_dep c-ares "$(dir c-ares)" -DCMAKE_C_FLAGS=-DINADDRSZ=NS_INADDRSZ \
    -DCARES_STATIC=ON -DCARES_SHARED=OFF -DCARES_BUILD_TOOLS=OFF -DCARES_BUILD_TESTS=OFF
  configure_dep libsodium "$(dir libsodium)" --enable-static
  # Only the base and core libraries; the parts that need the bundled
  # libraries Debian's source leaves out are switched off.
  configure_dep wxwidgets "$(dir wxwidgets3.2)" \
    --with-msw --enable-unicode --with-zlib=sys \
    --without-libpng --without-libjpeg --without-libtiff --without-liblzma --without-expat \
    --without-regex --without-opengl --without-libmspack --without-nanosvg \
    --disable-xrc --disable-html --disable-richtext --disable-aui --disable-propgrid \
    --disable-ribbon --disable-stc --disable-webview --disable-mediactrl --disable-webrequest \
    --disable-svg \
    CPPFLAGS="-I/usr/$triplet/include" LDFLAGS="-L/usr/$triplet/lib"
}

started=$SECONDS
cd "$root"
install_packages
mkdir -p "$cache"
say "looking up the source versions"
update_source_lists
mapfile -t descriptions < <(source_descriptions)
key=$( { printf '%s\n' "${descriptions[@]}"; cat "${BASH_SOURCE[0]}" "$toolchain"; } | sha256sum | cut -c1-16)
prefix=$cache/$key

if [ ! -f "$prefix/.complete" ]; then
  say "building into $prefix (${descriptions[*]})"
  rm -rf "$prefix"
  work=$cache/work-$key
  rm -rf "$work"
  mkdir -p "$work/src" "$cache/downloads"
  ( cd "$cache/downloads" && apt-get "${apt_opts[@]}" -qq source --download-only "${source_packages[@]}" )
  for d in "${descriptions[@]}"; do
    dpkg-source --no-check -x "$cache/downloads/$d" "$work/src/${d%.dsc}" >"$work/unpack.log" 2>&1 \
      || { cat "$work/unpack.log"; exit 1; }
  done
  build_all
  printf '%s\n' "${descriptions[@]}" > "$prefix/.complete"
  rm -rf "$work"
fi

mkdir -p "$root/build"
ln -sfn "$prefix" "$root/build/windows-deps"
say "done in $((SECONDS - started)) s"
echo "$prefix"
