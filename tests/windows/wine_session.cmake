# Drives the 64-bit zef.dll with the 64-bit saori-run.exe under Wine, through
# Windows' own LoadLibrary, GlobalAlloc and GlobalFree, and requires its raw
# output to equal, byte for byte, that of the native saori-run with zef.so.
# The Wine prefix is kept under CROSS_ROOT, so only the first run pays for
# creating it.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/skip.cmake)

zef_require_program(wine "Wine's 64-bit loader (package wine64) is not installed"
                    wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
zef_require_cross_build(win64/zef.dll win64/saori-run.exe)

set(work ${CROSS_ROOT}/wine-session)
file(MAKE_DIRECTORY ${work})

execute_process(COMMAND ${NATIVE_RUNNER} --raw --module ${NATIVE_MODULE} ${SESSION}
                OUTPUT_FILE ${work}/native.out ERROR_VARIABLE native_errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "native saori-run failed (${status}):\n${native_errors}")
endif()

# Windows programs see the Unix root as drive Z:.
function(windows_path out path)
  string(REPLACE "/" "\\" path "Z:${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()
windows_path(dll ${CROSS_ROOT}/out/win64/zef.dll)
windows_path(session ${SESSION})

set(ENV{WINEPREFIX} ${CROSS_ROOT}/wineprefix)
set(ENV{WINEDEBUG} -all)
# A fresh prefix would offer to install Mono and Gecko; neither is needed.
set(ENV{WINEDLLOVERRIDES} "mscoree=;mshtml=")
unset(ENV{DISPLAY})
execute_process(COMMAND ${wine} ${CROSS_ROOT}/out/win64/saori-run.exe --raw --module ${dll} ${session}
                WORKING_DIRECTORY ${work}
                OUTPUT_FILE ${work}/wine.out ERROR_VARIABLE wine_errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "saori-run.exe under Wine failed (${status}):\n${wine_errors}")
endif()
# saori-run.exe reports a response block that GlobalFree refuses. The
# session's deliberate mistakes draw warnings, which are no complaint.
string(REPLACE "saori-run: warning: " "" wine_complaints "${wine_errors}")
if(wine_complaints MATCHES "saori-run: ")
  message(FATAL_ERROR "saori-run.exe under Wine complained:\n${wine_errors}")
endif()

file(READ ${work}/native.out native HEX)
file(READ ${work}/wine.out windows HEX)
file(SIZE ${work}/native.out native_size)
file(SIZE ${work}/wine.out windows_size)
if(NOT native STREQUAL windows)
  message(FATAL_ERROR "the outputs differ: native ${native_size} bytes, Wine ${windows_size} bytes; "
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
message(STATUS "Wine session: ${request_count} requests and ${load_count} loads, "
               "${native_size} bytes of output identical to the native run")
