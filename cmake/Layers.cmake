# The module's libraries, one per subsystem, stacked in a fixed order:
#
#   zef_module     src/module         request parsing, framing, command table, entries
#   zef_convert    src/convert        the ZEF talk            } side by side:
#   zef_settings   src/settings       menu, setting changes   } neither sees the other
#   zef_placement  src/placement      dummy scopes, fragments, layout start
#   zef_base       src/base           ModuleState, numbers, the host script writer
#   zef_platform   src/platform       memory blocks, the one Windows/POSIX split
#
# A library reaches the headers of its own folder and of the libraries it
# declares with DEPENDS (and theirs), nothing else. src/ itself is on no
# include path: each library gets an include directory of its own in the
# build tree, holding one forwarding header per header of its folder. So an
# include against the order fails to compile with "No such file", which the
# tests in tests/layers prove for all 16 forbidden pairs of layers.

# zef_add_layer(TARGET FOLDER SOURCES files... [DEPENDS targets...])
# FOLDER is relative to src/; SOURCES relative to it.
function(zef_add_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "SOURCES;DEPENDS")
  set(dir ${PROJECT_SOURCE_DIR}/src/${folder})
  list(TRANSFORM layer_SOURCES PREPEND ${dir}/)
  add_library(${target} STATIC ${layer_SOURCES})
  target_link_libraries(${target} PUBLIC ${layer_DEPENDS})
  # The shared zef.so links these libraries in.
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  zef_apply_warnings(${target})

  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*.h)
  file(GLOB forwarders RELATIVE ${root}/${folder} ${root}/${folder}/*.h)
  foreach(header IN LISTS forwarders)
    if(NOT header IN_LIST headers)
      file(REMOVE ${root}/${folder}/${header})
    endif()
  endforeach()
  foreach(header IN LISTS headers)
    # Written only when it changes, so reconfiguring rebuilds nothing.
    file(CONFIGURE OUTPUT ${root}/${folder}/${header} @ONLY
         CONTENT "// ${folder}/${header} for ${target} and the libraries above it (cmake/Layers.cmake).\n#include \"${dir}/${header}\"\n")
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
