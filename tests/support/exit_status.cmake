# Runs the command that follows "--" and prints what it wrote (its standard
# output, then its standard error), then "exit status N" on a line of its own.
# A test's PASS_REGULAR_EXPRESSION then checks the status with the output: a
# pattern alone would pass a crash that had printed the match first.
#
#   cmake -P exit_status.cmake -- saori-run --version
#   saori-run (zef) 1.0.0
#   exit status 0
#
# (An argument cannot hold ";": CMake reads it as a list separator.)
cmake_minimum_required(VERSION 3.25)

set(command)
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
  if(after_dashes)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_dashes TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${out}${err}exit status ${status}\n")
