# kestrave_text_table(<target> <table> <namespace>)
# Makes the header of a table of fixed texts (see EmbedTexts.cmake) at build
# time, as <binary dir>/generated/<folder>/<table's name>.h, and an interface
# library <target> that brings it. The header is included by its folder and
# name, as "app/app_texts.h".
find_program(KESTRAVE_ICONV iconv REQUIRED)

function(kestrave_text_table target table namespace)
  get_filename_component(tablePath ${table} ABSOLUTE)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${tablePath})
  get_filename_component(folder ${relative} DIRECTORY)
  get_filename_component(stem ${relative} NAME_WE)
  set(generatedRoot ${CMAKE_BINARY_DIR}/generated)
  set(header ${generatedRoot}/${folder}/${stem}.h)
  add_custom_command(
    OUTPUT ${header}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generatedRoot}/${folder}
    COMMAND ${CMAKE_COMMAND} -DTABLE=${tablePath} -DTABLE_NAME=${relative} -DOUTPUT=${header} -DNAMESPACE=${namespace}
            -DICONV=${KESTRAVE_ICONV} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake
    DEPENDS ${tablePath} ${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake
    COMMENT "Writing ${relative} as code page 936"
    VERBATIM)
  add_custom_target(${target}_header DEPENDS ${header})
  add_library(${target} INTERFACE)
  target_include_directories(${target} INTERFACE ${generatedRoot} ${PROJECT_SOURCE_DIR})
  add_dependencies(${target} ${target}_header)
endfunction()
