# WebAssembly (wasm32-wasi) with Debian's own toolchain: clang 14, lld 14 and
# the wasi-libc, libc++ and compiler-rt builds for wasm32 that Debian ships
# (tools/install-deps.sh installs them). The module and the preview's host
# model are built from the same sources as everywhere else, into the one
# WebAssembly file that the playground page embeds.
#
# The target has no C++ exceptions: the platform layer's runGuarded
# (src/platform/failure_guard.h) stands in for the module's try/catch.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

find_program(ZEF_WASM_CXX NAMES clang++-14 clang++ REQUIRED)
set(CMAKE_CXX_COMPILER ${ZEF_WASM_CXX})
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian puts the wasm32-wasi headers and libraries under /usr.
set(CMAKE_SYSROOT /usr)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld")
# CMake's knowledge of the system (cmake/platform/Platform/WASI.cmake).
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/platform)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
