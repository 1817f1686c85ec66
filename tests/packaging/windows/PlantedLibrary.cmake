# A DLL of a stranger's beside the programs in their folder is never loaded,
# and sorvane.exe answers in the console it was started from.
add_library(planted_library SHARED PlantedLibrary.c)
set_target_properties(planted_library PROPERTIES PREFIX "" OUTPUT_NAME planted)
add_executable(window_starter WindowStarter.c)
add_executable(late_import_probe LateImportProbe.cpp)
target_link_libraries(late_import_probe PRIVATE sorvane_win32 iphlpapi)
add_test(NAME windows_planted_library
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/planted-library-check.sh ${CMAKE_BINARY_DIR}/artifacts/planted-library
          $<TARGET_FILE:planted_library> $<TARGET_FILE:window_starter> ${PROJECT_VERSION} ${MINGW_OBJDUMP}
          $<TARGET_FILE:ZipEngine> $<TARGET_FILE:UnzipEngine> --
          $<TARGET_FILE:sorvane> $<TARGET_FILE:zvq> $<TARGET_FILE:orvelreg> $<TARGET_FILE:orvelupdate>
          $<TARGET_FILE:orvelsign> $<TARGET_FILE:late_import_probe>)
set_tests_properties(windows_planted_library PROPERTIES TIMEOUT 300)
