# Windows looks for a program's DLLs in the program's own folder first, and
# it resolves the import table before any code of the program runs. Only the
# KnownDLLs (kernel32, user32, gdi32, shell32, ole32, advapi32, ws2_32, ...)
# always come from the system folder; any other DLL of an imported name
# lying beside sorvane.exe, in Downloads say, would run inside the program.
#
# The system DLLs of the list below are therefore imported late. The linker
# finds, under their usual names (-lversion and so on), import libraries made
# here with dlltool that call the delay-load helper of mingw-w64 at a
# function's first use instead of naming the DLL in the import table. The
# helper's hook in src/platform/win32/Win32LibrarySearch.cpp then loads the
# DLL from the system folder only, with its own imports. Made at configure
# time from mingw-w64's own import libraries, whose names they take over.
#
# comctl32 stays in the import table: wxWidgets finds it with
# GetModuleHandle, loaded already, and the manifest binds it to the
# side-by-side version 6, found in the system's own store. So does uxtheme,
# which comctl32 imports in any case: imported late, wxWidgets' first call
# into it ends at address 0 under Wine.
set(SORVANE_DELAYED_DLLS version winmm oleacc winspool iphlpapi wininet winhttp crypt32 bcrypt wsock32 dwmapi msimg32
  usp10)
set(SORVANE_DELAY_IMPORT_DIR ${CMAKE_BINARY_DIR}/delay-imports)

find_program(SORVANE_DLLTOOL ${SORVANE_MINGW_TRIPLET}-dlltool REQUIRED)
find_program(SORVANE_NM ${SORVANE_MINGW_TRIPLET}-nm REQUIRED)
file(MAKE_DIRECTORY ${SORVANE_DELAY_IMPORT_DIR})
# A library of a name no longer listed would still be found first.
file(GLOB _made ${SORVANE_DELAY_IMPORT_DIR}/lib*.a)
foreach(_lib IN LISTS _made)
  get_filename_component(_name ${_lib} NAME_WE)
  string(REGEX REPLACE "^lib" "" _name ${_name})
  if(NOT _name IN_LIST SORVANE_DELAYED_DLLS)
    file(REMOVE ${_lib})
  endif()
endforeach()
foreach(dll IN LISTS SORVANE_DELAYED_DLLS)
  unset(_import_lib)
  find_file(_import_lib lib${dll}.a PATHS /usr/${SORVANE_MINGW_TRIPLET}/lib NO_DEFAULT_PATH NO_CACHE REQUIRED)
  set(_delay_lib ${SORVANE_DELAY_IMPORT_DIR}/lib${dll}.a)
  if(NOT EXISTS ${_delay_lib} OR ${_import_lib} IS_NEWER_THAN ${_delay_lib}
     OR ${CMAKE_CURRENT_LIST_FILE} IS_NEWER_THAN ${_delay_lib})
    execute_process(COMMAND ${SORVANE_NM} ${_import_lib} OUTPUT_VARIABLE _symbols COMMAND_ERROR_IS_FATAL ANY)
    # "00000000 I __imp__GetFileVersionInfoA@16": each function once, with
    # its stdcall size, which dlltool -k keeps for the symbol and drops
    # from the name looked up in the DLL.
    string(REGEX MATCHALL "I __imp__[^\r\n]+" _imports "${_symbols}")
    list(TRANSFORM _imports REPLACE "^I __imp__" "")
    list(REMOVE_DUPLICATES _imports)
    list(JOIN _imports "\n" _exports)
    # The DLL's own name, which is not always NAME.dll (WINSPOOL.DRV).
    execute_process(COMMAND ${SORVANE_DLLTOOL} --identify ${_import_lib}
      OUTPUT_VARIABLE _dll_name OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    file(WRITE ${SORVANE_DELAY_IMPORT_DIR}/${dll}.def "LIBRARY ${_dll_name}\nEXPORTS\n${_exports}\n")
    execute_process(
      COMMAND ${SORVANE_DLLTOOL} -k -d ${SORVANE_DELAY_IMPORT_DIR}/${dll}.def -D ${_dll_name} -y ${_delay_lib}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
# Searched before the toolchain's own folders by every target of the build.
link_directories(BEFORE ${SORVANE_DELAY_IMPORT_DIR})
# The hook is asked for by every link, so that the linker takes it from
# sorvane_win32, which comes before the runtime's empty one on the line.
add_link_options(LINKER:-u,___pfnDliNotifyHook2)
