# Read by CPack for each generator: the Debian package is the installation
# under /usr, the archive the portable program folder.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL system)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_SORVANE_SELF_UPDATING ${CPACK_SORVANE_SELF_UPDATE})
else()
  set(CPACK_COMPONENTS_ALL portable)
  set(CPACK_SORVANE_SELF_UPDATING ON)
  # The archive unpacks into one folder of its own name.
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/MakerKeyCheck.cmake)
