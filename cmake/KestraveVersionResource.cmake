# kestrave_version_resource(<target> <description>)
# Gives a program a VERSIONINFO resource (product name, description, the
# project's version and copyright line), configured from res/version.rc.in.
function(kestrave_version_resource target description)
  set(KESTRAVE_VERSION_TARGET ${target})
  set(KESTRAVE_VERSION_DESCRIPTION "${description}")
  set(script ${CMAKE_BINARY_DIR}/version_resource/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
endfunction()
