# Builds zef.dll and saori-run.exe for 32-bit and 64-bit Windows with the
# documented command, into CROSS_ROOT (build trees) and CROSS_ROOT/out.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/skip.cmake)

# The checks read only what this run builds, never files left from an older one.
file(REMOVE_RECURSE ${CROSS_ROOT}/out)

zef_require_program(cxx32 "the 32-bit MinGW-w64 compiler is not installed"
                    i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++)
zef_require_program(cxx64 "the 64-bit MinGW-w64 compiler is not installed"
                    x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++)
zef_require_program(bash "bash is not installed" bash)

set(ENV{ZEF_WINDOWS_BUILD_ROOT} ${CROSS_ROOT})
execute_process(COMMAND ${bash} ${SOURCE_DIR}/tools/build-windows.sh --no-install ${CROSS_ROOT}/out
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the Windows cross-build failed")
endif()
