# Writes playground.html: the page's markup with its style, its scripts and
# the WebAssembly (base64) put in place, so that the page needs no other file.
# usage: cmake -DSOURCE=DIR -DWASM=FILE -DVERSION=X.Y.Z -DOUTPUT=FILE -P make_page.cmake
cmake_minimum_required(VERSION 3.25)

find_program(base64 base64 REQUIRED)
execute_process(COMMAND ${base64} -w0 ${WASM} OUTPUT_VARIABLE wasm RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR wasm STREQUAL "")
  message(FATAL_ERROR "cannot read ${WASM} as base64")
endif()

file(READ ${SOURCE}/playground.html page)
file(READ ${SOURCE}/playground.css style)
# The scripts, in the order in which each uses the ones before it.
set(script "")
foreach(part IN ITEMS shift_jis.js zef_module.js requests.js engine_lines.js panels.js playground.js)
  file(READ ${SOURCE}/${part} text)
  string(APPEND script "// ---- ${part}\n${text}\n")
endforeach()
# Each piece replaces a marker that stands alone on its line.
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@SCRIPT@*/" "${script}" page "${page}")
string(REPLACE "@WASM_BASE64@" "${wasm}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
file(WRITE ${OUTPUT}.part "${page}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
