# What the Windows packages hold, and CPack: a portable zip and a 64-bit NSIS
# installer. `cpack --preset release` writes both into build/release.

# The texts go out with Windows line ends, and those with Chinese in them with
# a UTF-8 byte order mark, so that every Notepad shows them right.
function(kestrave_package_text source destination)
  cmake_parse_arguments(ARG "CONFIGURE;BOM" "" "" ${ARGN})
  file(READ ${source} text)
  if(ARG_CONFIGURE)
    string(CONFIGURE "${text}" text @ONLY)
  endif()
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  if(ARG_BOM)
    string(ASCII 239 187 191 bom)
    string(PREPEND text "${bom}")
  endif()
  # Written only when it changes, so that a new configure repackages nothing.
  if(EXISTS ${destination})
    file(READ ${destination} old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE ${destination} "${text}")
endfunction()

set(KESTRAVE_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package_texts)
kestrave_package_text(${PROJECT_SOURCE_DIR}/cmake/packaging/README.txt
                      ${KESTRAVE_PACKAGE_TEXTS}/README.txt CONFIGURE BOM)
kestrave_package_text(${PROJECT_SOURCE_DIR}/LICENSE ${KESTRAVE_PACKAGE_TEXTS}/LICENSE.txt)
kestrave_package_text(${PROJECT_SOURCE_DIR}/NOTICE ${KESTRAVE_PACKAGE_TEXTS}/NOTICE.txt BOM)

# Everything in one folder: the two programs beside their texts.
install(TARGETS kestrave kestrave-cli RUNTIME DESTINATION .)
install(FILES ${KESTRAVE_PACKAGE_TEXTS}/README.txt ${KESTRAVE_PACKAGE_TEXTS}/LICENSE.txt
              ${KESTRAVE_PACKAGE_TEXTS}/NOTICE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Kestrave)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kestrave ${PROJECT_DESCRIPTION}")
# Not "Orlek Software": the installer keeps its own state under
# Software\<vendor>\<key> and its uninstaller deletes that key, which must
# never be the program's settings key.
set(CPACK_PACKAGE_VENDOR Kestrave)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kestrave)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kestrave)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME Kestrave-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_RESOURCE_FILE_LICENSE ${KESTRAVE_PACKAGE_TEXTS}/LICENSE.txt)
set(CPACK_RESOURCE_FILE_README ${KESTRAVE_PACKAGE_TEXTS}/README.txt)
# The installer's name ends in -setup (see the file).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/packaging/CPackProjectConfig.cmake)

# NSIS: the project's copy of the template makes a 64-bit Unicode installer
# (the stock one makes a 32-bit installer), Simplified Chinese first.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The installer's title and the Start-menu folder.
set(CPACK_NSIS_PACKAGE_NAME Kestrave)
set(CPACK_NSIS_DISPLAY_NAME "Kestrave ${PROJECT_VERSION}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES kestrave "Kestrave ${PROJECT_DESCRIPTION}")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN kestrave.exe)
set(CPACK_NSIS_INSTALLED_ICON_NAME kestrave.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/kestrave.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/kestrave.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

include(CPack)

# The current satellite list beside the programs, as the file it is compiled
# in from: the program's 文件 menu opens it, kestrave-cli --list reads it.
install(FILES ${PROJECT_SOURCE_DIR}/data/satellites/current.txt DESTINATION .
        RENAME current-satellite-list.txt)
