# Shared body of the MinGW-w64 toolchain files: cross-compiles for Windows
# with Debian's MinGW-w64 packages. The including file sets ZEF_MINGW_TRIPLET.
#
# The "-win32" compiler variant uses Windows' own threads, so nothing pulls in
# winpthread; the plain name is the fallback where only one variant exists.
set(CMAKE_SYSTEM_NAME Windows)

find_program(ZEF_MINGW_CXX NAMES ${ZEF_MINGW_TRIPLET}-g++-win32 ${ZEF_MINGW_TRIPLET}-g++ REQUIRED)
find_program(ZEF_MINGW_WINDRES NAMES ${ZEF_MINGW_TRIPLET}-windres)
set(CMAKE_CXX_COMPILER ${ZEF_MINGW_CXX})
if(ZEF_MINGW_WINDRES)
  set(CMAKE_RC_COMPILER ${ZEF_MINGW_WINDRES})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${ZEF_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
