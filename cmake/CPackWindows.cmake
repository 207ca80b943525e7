# Read by CPack once for each generator: the file names of the Windows
# packages. The zip keeps its one folder named after the package and version.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_ARCHIVE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-windows-x64")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
