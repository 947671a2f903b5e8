# Skipping a Windows check. These are macros so that their return() ends the
# calling script.

# zef_skip(REASON): ends the check as skipped (ctest matches the "SKIPPED: "
# line), or as failed under CI, which must not go green without the checks.
macro(zef_skip reason)
  if("$ENV{CI}" STREQUAL "true")
    message(FATAL_ERROR "cannot run under CI: ${reason}")
  endif()
  message("SKIPPED: ${reason}")
  return()
endmacro()

# zef_skip_on_this_machine(REASON): ends the check as skipped, under CI too.
# For what no install can change, such as a kernel built without 32-bit
# support; a missing package is zef_skip's.
macro(zef_skip_on_this_machine reason)
  message("SKIPPED: ${reason}")
  return()
endmacro()

# zef_require_program(VAR REASON NAMES...): finds a program or skips.
macro(zef_require_program var reason)
  find_program(${var} NAMES ${ARGN} NO_CACHE)
  if(NOT ${var})
    zef_skip("${reason} (tools/install-deps.sh installs it)")
  endif()
endmacro()

# zef_require_cross_build(FILES...): the cross-built files under
# CROSS_ROOT/out, or a skip when windows_cross_build has not made them.
macro(zef_require_cross_build)
  foreach(zef_file IN ITEMS ${ARGN})
    if(NOT EXISTS ${CROSS_ROOT}/out/${zef_file})
      zef_skip("${CROSS_ROOT}/out/${zef_file} was not built (see windows_cross_build)")
    endif()
  endforeach()
endmacro()
