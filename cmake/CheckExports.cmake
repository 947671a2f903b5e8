# Run as a test: fails unless MODULE exports exactly the symbols in EXPECTED
# (a ;-list), as listed by NM.
execute_process(COMMAND ${NM} -D --defined-only --format=just-symbols ${MODULE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${MODULE}")
endif()
string(REPLACE "\n" ";" symbols "${listing}")
list(FILTER symbols EXCLUDE REGEX "^$")
list(SORT symbols)
list(SORT EXPECTED)
if(NOT symbols STREQUAL EXPECTED)
  message(FATAL_ERROR "exported: ${symbols}\nexpected: ${EXPECTED}")
endif()
message(STATUS "exports: ${symbols}")
