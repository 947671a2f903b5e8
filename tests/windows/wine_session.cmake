# Drives the zef.dll of one architecture (ARCH win32 or win64) with the
# saori-run.exe of the same architecture under that architecture's Wine,
# through Windows' own LoadLibrary, GlobalAlloc and GlobalFree, and requires
# its raw output to equal, byte for byte, that of the native saori-run with
# zef.so. The 32-bit pair is the one that ghosts ship, run by Debian's 32-bit
# loader (package wine32:i386); the 64-bit pair runs under wine64.
#
# The session is SESSION followed by the long talks of long_talks.cmake; it is
# written to the work directory, where both runs read it. Each architecture
# keeps its own Wine prefix under CROSS_ROOT, so only the first run pays for
# creating it.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/skip.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/long_talks.cmake)

# Some kernels are built without 32-bit support; there no i386 program runs,
# Wine's loader included, and no install can change that. The check asks the
# 32-bit loader itself (or I386_PROBE, which the test of this path points at
# a file that is no program) before anything else.
if(ARCH STREQUAL "win32")
  if(NOT I386_PROBE)
    find_program(I386_PROBE NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CACHE)
  endif()
  if(I386_PROBE)
    execute_process(COMMAND ${EXEC_PROBE} ${I386_PROBE} --version
                    OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status TIMEOUT 120)
    if(status EQUAL 126)
      set(reason "this kernel cannot run 32-bit programs (Exec format error)")
      zef_skip_on_this_machine("${reason}. The 32-bit DLL was built and its tables checked, but not executed")
    endif()
  endif()
endif()

if(ARCH STREQUAL "win32")
  zef_require_program(wine "Wine's 32-bit loader (package wine32:i386) is not installed"
                      wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
elseif(ARCH STREQUAL "win64")
  zef_require_program(wine "Wine's 64-bit loader (package wine64) is not installed"
                      wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
else()
  message(FATAL_ERROR "ARCH must be win32 or win64, not '${ARCH}'")
endif()
zef_require_cross_build(${ARCH}/zef.dll ${ARCH}/saori-run.exe)
find_program(wineserver NAMES wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CACHE REQUIRED)

set(work ${CROSS_ROOT}/wine-session-${ARCH})
file(MAKE_DIRECTORY ${work})
file(READ ${SESSION} session)
zef_long_talk_session(long_talks)
file(WRITE ${work}/session.txt "${session}\n${long_talks}")

# The DLL has only the plain entries, so the native run calls those too.
execute_process(COMMAND ${NATIVE_RUNNER} --raw --plain-entries --module ${NATIVE_MODULE} ${work}/session.txt
                OUTPUT_FILE ${work}/native.out ERROR_VARIABLE native_errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "native saori-run failed (${status}):\n${native_errors}")
endif()

# Windows programs see the Unix root as drive Z:.
function(windows_path out path)
  string(REPLACE "/" "\\" path "Z:${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(prefix ${CROSS_ROOT}/wineprefix-${ARCH})
set(ENV{WINEPREFIX} ${prefix})
set(ENV{WINEARCH} ${ARCH})
set(ENV{WINEDEBUG} -all)
# A fresh prefix would offer to install Mono and Gecko; neither is needed.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
# No window may open, whatever the machine has.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

# Creating a prefix takes a while on a fresh machine. The marker is written
# only once wineboot has finished, so a prefix left half-made by an
# interrupted run is made again rather than used.
if(NOT EXISTS ${prefix}/zef-prefix-ready)
  file(REMOVE_RECURSE ${prefix})
  execute_process(COMMAND ${wine} wineboot --init
                  OUTPUT_VARIABLE boot_output ERROR_VARIABLE boot_output RESULT_VARIABLE status TIMEOUT 600)
  if(status EQUAL 0)
    execute_process(COMMAND ${wineserver} --wait RESULT_VARIABLE status TIMEOUT 600)
  endif()
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "creating the Wine prefix ${prefix} failed (${status}):\n${boot_output}")
  endif()
  file(TOUCH ${prefix}/zef-prefix-ready)
endif()

windows_path(dll ${CROSS_ROOT}/out/${ARCH}/zef.dll)
windows_path(session_path ${work}/session.txt)
execute_process(COMMAND ${wine} ${CROSS_ROOT}/out/${ARCH}/saori-run.exe --raw --module ${dll} ${session_path}
                WORKING_DIRECTORY ${work} TIMEOUT 600
                OUTPUT_FILE ${work}/wine.out ERROR_VARIABLE wine_errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${ARCH}/saori-run.exe under ${wine} failed (${status}):\n${wine_errors}")
endif()
# saori-run.exe reports a response block that GlobalFree refuses. The
# session's deliberate mistakes draw warnings, which are no complaint.
string(REPLACE "saori-run: warning: " "" wine_complaints "${wine_errors}")
if(wine_complaints MATCHES "saori-run: ")
  message(FATAL_ERROR "${ARCH}/saori-run.exe under Wine complained:\n${wine_errors}")
endif()

file(READ ${work}/native.out native HEX)
file(READ ${work}/wine.out windows HEX)
file(SIZE ${work}/native.out native_size)
file(SIZE ${work}/wine.out windows_size)
if(NOT native STREQUAL windows)
  message(FATAL_ERROR "the outputs differ: native ${native_size} bytes, ${ARCH} under Wine ${windows_size} bytes; "
                      "compare ${work}/native.out with ${work}/wine.out")
endif()

# Both runs must have done real work, not failed alike.
file(STRINGS ${work}/native.out requests REGEX "^== request [0-9]+:")
file(STRINGS ${work}/native.out loads REGEX "^== load -> ")
file(STRINGS ${work}/native.out answers REGEX "^SAORI/1.0 200 OK")
list(LENGTH requests request_count)
list(LENGTH loads load_count)
list(LENGTH answers answer_count)
if(request_count EQUAL 0 OR NOT answer_count EQUAL request_count OR NOT "== load -> 0" IN_LIST loads)
  message(FATAL_ERROR "the session did not run as written: ${request_count} requests, "
                      "${answer_count} answers, loads ${loads}")
endif()
message(STATUS "Wine session, ${ARCH}: ${request_count} requests and ${load_count} loads, "
               "${native_size} bytes of output identical to the native run")
