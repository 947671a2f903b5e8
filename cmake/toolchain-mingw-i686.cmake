# 32-bit Windows (i386) with MinGW-w64: the DLL that 32-bit hosts load.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZEF_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
