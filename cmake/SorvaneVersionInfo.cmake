# sorvane_version_info(TARGET NAME name [DESCRIPTION text] [FILE file name])
# Gives the program TARGET a version block (FileVersion from the project
# version, German string block 040704E4): on Windows its VERSIONINFO resource,
# elsewhere its ELF section ".vs_version_info", written at build time by
# mkversioninfo.
function(sorvane_version_info target)
  cmake_parse_arguments(V "" "NAME;DESCRIPTION;FILE" "" ${ARGN})
  if(NOT V_DESCRIPTION)
    set(V_DESCRIPTION ${V_NAME})
  endif()
  if(NOT V_FILE)
    set(V_FILE ${target})
  endif()
  if(WIN32)
    # Four numbers, as mkversioninfo makes them: "1.0.0" is 1,0,0,0.
    string(REPLACE "." ";" numbers "${PROJECT_VERSION}")
    list(APPEND numbers 0 0 0)
    list(SUBLIST numbers 0 4 numbers)
    list(JOIN numbers "," V_NUMBERS)
    list(JOIN numbers "." V_VERSION)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/SorvaneVersionInfo.rc.in ${out} @ONLY)
    target_sources(${target} PRIVATE ${out})
    return()
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_block.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND mkversioninfo ${out} ${PROJECT_VERSION} ${V_NAME} ${V_FILE} ${V_DESCRIPTION}
    DEPENDS mkversioninfo
    COMMENT "Version block of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
