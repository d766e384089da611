# Writes a C++ header holding a table of fixed texts in code page 936, from
# the table's UTF-8 file. Run as a script at build time:
#   cmake -DTABLE=app_texts.txt -DTABLE_NAME=app/app_texts.txt -DOUTPUT=app_texts.h
#         -DNAMESPACE=app_text -DICONV=/usr/bin/iconv -P EmbedTexts.cmake
#
# The table: one text per line, "Name<TAB>text" or "Name<TAB>text<TAB>capacity"
# (the bytes, with its NUL, that the text must fit in). Lines that start
# with # and empty lines are skipped. The text is everything between the
# tabs; written in "double quotes", the quotes are dropped, so that blanks at
# either end show. Escapes: \r \n \t \0 \\. Lines with the same name, one
# after another, make one text.
#
# The whole file is converted by iconv: a character with no code page 936
# form stops the build. The converted bytes are then split into characters
# (a lead byte 0x81-0xFE takes the byte after it), so that no trail byte is
# taken for a tab, a quote, a backslash or a line break.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP936 "${TABLE}"
                OUTPUT_FILE "${OUTPUT}.936"
                RESULT_VARIABLE converted ERROR_VARIABLE conversionError)
if(NOT converted EQUAL 0)
  file(REMOVE "${OUTPUT}.936")
  message(FATAL_ERROR "${TABLE}: a text has no code page 936 form (${conversionError})")
endif()

# The file's characters as tokens "<hh>" or "<hhhh>".
function(characters_of file doubleByte out)
  file(READ "${file}" hex HEX)
  if(doubleByte)
    string(REGEX REPLACE "((8[1-9a-f]|9[0-9a-f]|[a-e][0-9a-f]|f[0-9a-e])[0-9a-f][0-9a-f]|[0-9a-f][0-9a-f])"
           "<\\1>" tokens "${hex}")
  else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "<\\1>" tokens "${hex}")
  endif()
  set(${out} "${tokens}" PARENT_SCOPE)
endfunction()

# "<41><42>" -> "AB", for the ASCII names and capacities.
function(ascii_of tokens out)
  string(REGEX MATCHALL "[0-9a-f][0-9a-f]" codes "${tokens}")
  set(text "")
  foreach(code IN LISTS codes)
    math(EXPR number "0x${code}")
    string(ASCII ${number} character)
    string(APPEND text "${character}")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The table's rows as lists NAMES, TEXTS (C escapes) and CAPACITIES.
function(rows_of tokens prefix)
  string(REPLACE "<0d>" "" tokens "${tokens}")
  string(REPLACE "<0a>" ";" lines "${tokens}")
  set(names "")
  set(texts "")
  set(capacities "")
  set(lineNumber 0)
  foreach(line IN LISTS lines)
    math(EXPR lineNumber "${lineNumber} + 1")
    if(line STREQUAL "" OR line MATCHES "^<23>")
      continue()
    endif()
    string(REPLACE "<09>" ";" fields "${line}")
    list(LENGTH fields fieldCount)
    if(fieldCount LESS 2 OR fieldCount GREATER 3)
      message(FATAL_ERROR "${TABLE}:${lineNumber}: expected NAME<TAB>TEXT[<TAB>CAPACITY]")
    endif()
    list(GET fields 0 nameTokens)
    list(GET fields 1 text)
    ascii_of("${nameTokens}" name)
    if(NOT name MATCHES "^[A-Za-z][A-Za-z0-9]*$")
      message(FATAL_ERROR "${TABLE}:${lineNumber}: \"${name}\" is not a name")
    endif()
    set(capacity 0)
    if(fieldCount EQUAL 3)
      list(GET fields 2 capacityTokens)
      ascii_of("${capacityTokens}" capacity)
      if(NOT capacity MATCHES "^[1-9][0-9]*$")
        message(FATAL_ERROR "${TABLE}:${lineNumber}: capacity \"${capacity}\" is not a number")
      endif()
    endif()
    if(text MATCHES "^<22>(.*)<22>$")
      set(text "${CMAKE_MATCH_1}")
    endif()
    # Escapes; a doubled backslash first, so that "\\n" stays two characters.
    string(REPLACE "<5c><5c>" "<backslash>" text "${text}")
    string(REPLACE "<5c><72>" "<0d>" text "${text}")
    string(REPLACE "<5c><6e>" "<0a>" text "${text}")
    string(REPLACE "<5c><74>" "<09>" text "${text}")
    string(REPLACE "<5c><30>" "<00>" text "${text}")
    if(text MATCHES "<5c>")
      message(FATAL_ERROR "${TABLE}:${lineNumber}: unknown escape")
    endif()
    string(REPLACE "<backslash>" "<5c>" text "${text}")
    string(REGEX REPLACE "<([0-9a-f][0-9a-f])([0-9a-f][0-9a-f])>" "<\\1><\\2>" text "${text}")
    string(REGEX REPLACE "<([0-9a-f][0-9a-f])>" "\\\\x\\1" text "${text}")

    list(LENGTH names count)
    if(count GREATER 0)
      list(GET names -1 previous)
    else()
      set(previous "")
    endif()
    if(name STREQUAL previous)
      # A continuation line: the text goes on.
      list(POP_BACK texts last)
      list(APPEND texts "${last}${text}")
    else()
      if(name IN_LIST names)
        message(FATAL_ERROR "${TABLE}:${lineNumber}: \"${name}\" is named twice")
      endif()
      list(APPEND names "${name}")
      list(APPEND texts "${text}")
      list(APPEND capacities "${capacity}")
    endif()
  endforeach()
  set(${prefix}_NAMES "${names}" PARENT_SCOPE)
  set(${prefix}_TEXTS "${texts}" PARENT_SCOPE)
  set(${prefix}_CAPACITIES "${capacities}" PARENT_SCOPE)
endfunction()

characters_of("${OUTPUT}.936" TRUE cp936Tokens)
characters_of("${TABLE}" FALSE utf8Tokens)
file(REMOVE "${OUTPUT}.936")
rows_of("${cp936Tokens}" CP936)
rows_of("${utf8Tokens}" UTF8)

# Every byte is an escape, so no escape runs into a digit that follows it.
function(literal_of escaped out)
  set(${out} "\"${escaped}\"" PARENT_SCOPE)
endfunction()

set(constants "")
set(rows "")
list(LENGTH CP936_NAMES count)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  list(GET CP936_NAMES ${index} name)
  list(GET CP936_TEXTS ${index} cp936)
  list(GET UTF8_TEXTS ${index} utf8)
  list(GET CP936_CAPACITIES ${index} capacity)
  literal_of("${cp936}" cp936Literal)
  literal_of("${utf8}" utf8Literal)
  string(APPEND constants "inline constexpr char ${name}[] = ${cp936Literal};\n")
  string(REGEX MATCHALL "x" utf8Bytes "${utf8}")
  list(LENGTH utf8Bytes utf8Size)
  string(APPEND rows
         "    {\"${name}\", ${name}, sizeof ${name} - 1, ${utf8Literal}, ${utf8Size}, ${capacity}},\n")
endforeach()

file(WRITE "${OUTPUT}.new"
"// Generated from ${TABLE_NAME} by cmake/EmbedTexts.cmake. Do not edit.
#pragma once

#include \"encoding/fixed_text_table.h\"

// clang-format off
namespace ${NAMESPACE} {
${constants}
// Every text of the table with its UTF-8 spelling, for the tests.
inline constexpr FixedTextRow AllTexts[] = {
${rows}};
}  // namespace ${NAMESPACE}
// clang-format on
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
