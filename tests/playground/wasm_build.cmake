# Builds playground.html (and the WebAssembly file in it) with the documented
# preset into WASM_ROOT, for the tests that drive it.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../windows/skip.cmake)

# The tests read only what this run builds.
file(REMOVE ${WASM_ROOT}/playground.html)

zef_require_program(clang "clang++-14 is not installed" clang++-14)
foreach(file IN ITEMS /usr/lib/wasm32-wasi/libc.a /usr/lib/wasm32-wasi/libc++.a
                      /usr/lib/llvm-14/lib/clang/14.0.6/lib/wasi/libclang_rt.builtins-wasm32.a)
  if(NOT EXISTS ${file})
    zef_skip("${file} is missing: the wasm32-wasi libraries are not installed (tools/install-deps.sh installs them)")
  endif()
endforeach()
find_program(lld NAMES wasm-ld-14 wasm-ld NO_CACHE)
if(NOT lld)
  zef_skip("wasm-ld is not installed (lld-14; tools/install-deps.sh installs it)")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --preset wasm -B ${WASM_ROOT} WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE status)
if(status EQUAL 0)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${WASM_ROOT} --target playground -j2 RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the WebAssembly build failed")
endif()
