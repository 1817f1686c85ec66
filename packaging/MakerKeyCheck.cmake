# Read by CPack for each package (after the package's own settings): a
# program that updates itself installs whatever its built-in key vouches
# for, and the example server's secret key lies in the repository for all to
# see. So no self-updating package is made from a tree that kept that key.
if(CPACK_SORVANE_SELF_UPDATING AND CPACK_SORVANE_UPDATE_PUBLIC_KEY STREQUAL CPACK_SORVANE_EXAMPLE_UPDATE_KEY)
  message(FATAL_ERROR
    "The package ${CPACK_PACKAGE_FILE_NAME} (${CPACK_GENERATOR}) updates itself, but this tree was configured with "
    "the example update server's key, whose secret key is published. Make the maker's key with "
    "\"orvelsign keygen --key FILE\" and configure with -DSORVANE_UPDATE_PUBLIC_KEY=<the printed public key>.")
endif()
