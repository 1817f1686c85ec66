# Cross-compiles for 32-bit Windows with Debian's mingw-w64 (the posix thread
# model, so that std::thread and std::mutex work). Used by the "windows" preset
# and by scripts/windows-deps.sh for the libraries it builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(SORVANE_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${SORVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVANE_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${SORVANE_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${SORVANE_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

# The libraries cross-built by scripts/windows-deps.sh (CMAKE_PREFIX_PATH) and
# the mingw system root with its zlib; nothing from the Linux host.
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANE_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in, so the program needs no mingw DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# pkg-config looks only into the dependency prefix.
if(CMAKE_PREFIX_PATH)
  list(GET CMAKE_PREFIX_PATH 0 _sorvane_deps_prefix)
  set(ENV{PKG_CONFIG_LIBDIR} "${_sorvane_deps_prefix}/lib/pkgconfig:${_sorvane_deps_prefix}/share/pkgconfig")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
