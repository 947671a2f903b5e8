# Compiler flags shared by every target of the project.

# Only the exported entries may be visible outside the module: a host process
# that has a symbol of the same name must never capture our internal calls.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

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
    if(MSVC)
      set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    else()
      # Ghost authors drop the DLL beside their ghost: it must need no C++ runtime DLL.
      target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -static)
    endif()
  elseif(NOT APPLE)
    # The version script also hides what the standard headers mark visible.
    set(map ${PROJECT_SOURCE_DIR}/src/module/zef.map)
    target_link_options(${target} PRIVATE -Wl,--no-undefined -Wl,--version-script=${map})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  endif()
endfunction()
