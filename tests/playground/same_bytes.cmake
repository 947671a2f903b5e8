# The demo session and a few hundred random requests, sent through zef.so and
# through the WebAssembly module under Node's WASI: every answer (the
# response's bytes, whether a block came back, load's and unload's results)
# must be the same.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../windows/skip.cmake)

set(wasm ${WASM_ROOT}/tools/playground/zef-playground.wasm)
if(NOT EXISTS ${wasm})
  zef_skip("${wasm} was not built (see wasm_build)")
endif()
zef_require_program(node "Node.js is not installed" node nodejs)

file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${STREAM_TOOL} write ${WORK}/calls.bin 400 22 COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${STREAM_TOOL} replay ${NATIVE_MODULE} ${WORK}/calls.bin ${WORK}/native.bin
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${node} --no-warnings ${CMAKE_CURRENT_LIST_DIR}/replay_wasm.mjs ${wasm} ${WORK}/calls.bin
                        ${WORK}/wasm.bin COMMAND_ERROR_IS_FATAL ANY)

file(SIZE ${WORK}/calls.bin calls)
file(SIZE ${WORK}/native.bin answers)
message("calls: ${calls} bytes, answers: ${answers} bytes")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/native.bin ${WORK}/wasm.bin RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "the WebAssembly module answered otherwise than zef.so: compare ${WORK}/native.bin and ${WORK}/wasm.bin")
endif()
