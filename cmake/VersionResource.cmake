# The project's version reaches the shipped files from one place, the
# project() line of the top CMakeLists.txt: saori-run prints it, and each
# Windows build of zef.dll carries it in a version resource together with the
# copyright line of LICENSE.

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE ZEF_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT ZEF_COPYRIGHT)
  message(FATAL_ERROR "LICENSE has no Copyright line")
endif()

# Windows resource scripts: windres with MinGW (the toolchain file names it), rc with MSVC.
if(WIN32)
  enable_language(RC)
endif()

# zef_add_version_resource(TARGET): gives a Windows DLL its version resource.
function(zef_add_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
