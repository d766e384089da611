# Read by cpack once per generator: the installer is Kestrave-<version>-win64-setup.exe
# beside the zip Kestrave-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
