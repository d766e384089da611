# GoogleTest from the sources Debian ships in /usr/src/googletest, built for
# whichever target this build is for (native or MinGW-w64).
set(KESTRAVE_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)

function(kestrave_add_googletest)
  if(TARGET gtest)
    return()
  endif()
  add_subdirectory(${KESTRAVE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(target gtest gtest_main gmock gmock_main)
    target_compile_options(${target} PRIVATE -w)
  endforeach()
endfunction()

include(GoogleTest)

# The Wine prefix and temporary folder of every test under Wine. scripts/test.sh
# boots the same prefix (kestrave_test_prefix, scripts/wine-env.sh) and keeps
# one wineserver running for it.
set(KESTRAVE_WINE_TEST_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wine/prefix" "TMPDIR=${CMAKE_BINARY_DIR}/wine/tmp")

# kestrave_add_test(<name> SOURCES ... LIBS ... [GUI])
# Native builds register every test case with ctest. Under Wine each process
# start costs seconds, so there the whole executable is one ctest test.
function(kestrave_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  kestrave_add_googletest()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600
      ENVIRONMENT "${KESTRAVE_WINE_TEST_ENVIRONMENT}")
    if(ARG_GUI)
      set_tests_properties(${name} PROPERTIES LABELS gui)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
