# Runs tools/package.sh into DIST with its build trees under BUILD_ROOT, then
# check_archives.py on what it leaves. Skips (fails under CI) when a tool that
# packaging needs is missing.
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/tests/windows/skip.cmake)

zef_require_program(bash "bash is not installed" bash)
zef_require_program(cxx32 "the 32-bit MinGW-w64 compiler is not installed"
                    i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++)
zef_require_program(objdump "the MinGW-w64 objdump is not installed"
                    x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump)
zef_require_program(zip "zip is not installed" zip)
zef_require_program(iconv "iconv is not installed" iconv)

file(REMOVE_RECURSE ${DIST})
set(ENV{ZEF_PACKAGE_BUILD_ROOT} ${BUILD_ROOT})
execute_process(COMMAND ${bash} ${SOURCE_DIR}/tools/package.sh --no-install ${DIST} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tools/package.sh failed")
endif()

execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/check_archives.py
                        ${DIST} ${SOURCE_DIR} ${VERSION} ${SAORI_RUN} ${CMAKE_COMMAND} "${COPYRIGHT}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the release archives do not check out")
endif()
