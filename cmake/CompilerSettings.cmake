# Compiler flags shared by every target of the project.

# Only the exported entries may be visible outside the module: a host process
# that has a symbol of the same name must never capture our internal calls.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

# MSVC: the module links the C runtime statically, so that it needs no
# runtime DLL beside it. Every object linked into it must agree on that, so
# the choice is made for the whole build (GoogleTest, too, must then be a
# static-runtime build).
if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()

function(zef_apply_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)
  endif()
endfunction()

# Settings that only the shipped module needs.
function(zef_configure_module target)
  if(WIN32)
    # A .def file exports exactly load, request and unload, undecorated.
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/module/zef.def)
    if(NOT MSVC)
      # Ghost authors drop the DLL beside their ghost: it must need no C++ runtime DLL.
      target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -static)
      # The static runtime's symbol table would double the shipped DLL's size.
      target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
    endif()
  elseif(NOT APPLE)
    # The version script also hides what the standard headers mark visible.
    set(map ${PROJECT_SOURCE_DIR}/src/module/zef.map)
    target_link_options(${target} PRIVATE -Wl,--no-undefined -Wl,--version-script=${map})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  endif()
endfunction()
