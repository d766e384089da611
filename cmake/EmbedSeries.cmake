# Writes a C++ header holding series of terms A cos(B + C t), from their
# table. Run as a script at build time:
#   cmake -DTABLE=vsop87_earth.txt -DTABLE_NAME=fieldkit/vsop87_earth.txt
#         -DOUTPUT=vsop87_earth.h -DNAMESPACE=vsop87_earth -P EmbedSeries.cmake
#
# The table: one term a line, "SERIES A B C" (the series' name, then the
# three numbers, separated by blanks); lines that start with # and empty
# lines are skipped. Each series becomes an array `SERIES` of `Term` in
# NAMESPACE, in the order the table names them; a number with a decimal
# point is written as a long double literal, the others as they are.

cmake_minimum_required(VERSION 3.25)

# The lines that are neither empty nor comments.
file(STRINGS "${TABLE}" lines REGEX "^[^#]")
set(names "")
set(number "([0-9]+)(\\.[0-9]+)?")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([A-Za-z][A-Za-z0-9]*) +${number} +${number} +${number}$")
    message(FATAL_ERROR "${TABLE_NAME}: not SERIES A B C: \"${line}\"")
  endif()
  set(name ${CMAKE_MATCH_1})
  set(term "")
  foreach(part 2 4 6)
    math(EXPR fraction "${part} + 1")
    set(decimals "${CMAKE_MATCH_${fraction}}")
    set(value "${CMAKE_MATCH_${part}}${decimals}")
    if(NOT decimals STREQUAL "")
      string(APPEND value "L")
    endif()
    list(APPEND term "${value}")
  endforeach()
  list(JOIN term ", " term)
  if(NOT name IN_LIST names)
    list(APPEND names ${name})
    set(terms_${name} "")
  endif()
  string(APPEND terms_${name} "    {${term}},\n")
endforeach()

set(header "// Written at build time from ${TABLE_NAME} by cmake/EmbedSeries.cmake.\n")
string(APPEND header "#pragma once\n\nnamespace ${NAMESPACE} {\n\n")
string(APPEND header "// A cos(B + C t), in the table's units.\n")
string(APPEND header "struct Term {\n    long double amplitude;\n    long double phase;\n")
string(APPEND header "    long double frequency;\n};\n")
foreach(name IN LISTS names)
  string(APPEND header "\nconstexpr Term ${name}[] = {\n${terms_${name}}};\n")
endforeach()
string(APPEND header "\n}  // namespace ${NAMESPACE}\n")

# Rewritten only when it changes, so that a rebuild compiles nothing anew.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${header}" @ONLY)
