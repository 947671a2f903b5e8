# Checks the PE tables of the cross-built files with objdump -p: each DLL is
# of its machine type, exports exactly load, request and unload under their
# plain names, imports only KERNEL32.dll and msvcrt.dll (so it runs with no
# other DLL beside it), takes its memory blocks from GlobalAlloc and
# GlobalFree, and carries a version resource with the project's VERSION and
# COPYRIGHT.
# saori-run.exe must stand alone in the same way.
#
# With -DDLL=FILE -DFORMAT=pei-i386 only that one DLL is checked (the release
# archive's check uses this); otherwise the four files under CROSS_ROOT/out.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/skip.cmake)

zef_require_program(objdump "the MinGW-w64 objdump is not installed"
                    x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump)
if(NOT DEFINED DLL)
  zef_require_cross_build(win32/zef.dll win64/zef.dll win32/saori-run.exe win64/saori-run.exe)
endif()

set(failures "")

# Reads FILE's tables into <prefix>_format, _exports, _dlls, _imports (as
# DLL:function entries) and _version_resource (whether its resources hold one).
function(read_pe_tables file prefix)
  execute_process(COMMAND ${objdump} -p ${file} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${objdump} -p ${file} failed")
  endif()
  string(REGEX MATCH "file format ([^\n]+)" _ "${listing}")
  set(format "${CMAKE_MATCH_1}")
  string(REPLACE ";" "\\;" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  set(exports "")
  set(dlls "")
  set(imports "")
  set(section "")
  set(dll "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
      set(section exports)
    elseif(line STREQUAL "")
      if(section STREQUAL "exports")
        set(section "")
      endif()
    elseif(line MATCHES "^\tDLL Name: (.+)$")
      set(dll "${CMAKE_MATCH_1}")
      list(APPEND dlls "${dll}")
      set(section imports)
    elseif(section STREQUAL "exports" AND line MATCHES "^\t\\[ *[0-9]+\\] (.+)$")
      list(APPEND exports "${CMAKE_MATCH_1}")
    elseif(section STREQUAL "imports" AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +(.+)$")
      list(APPEND imports "${dll}:${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(SORT exports)
  list(SORT dlls)
  if(listing MATCHES "Type Table:[^\n]*\n[^\n]*Entry: ID: 0x000010,")
    set(${prefix}_version_resource TRUE PARENT_SCOPE)
  else()
    set(${prefix}_version_resource FALSE PARENT_SCOPE)
  endif()
  set(${prefix}_format "${format}" PARENT_SCOPE)
  set(${prefix}_exports "${exports}" PARENT_SCOPE)
  set(${prefix}_dlls "${dlls}" PARENT_SCOPE)
  set(${prefix}_imports "${imports}" PARENT_SCOPE)
endfunction()

macro(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    string(REPLACE ";" ", " shown_actual "${actual}")
    string(REPLACE ";" ", " shown_expected "${expected}")
    list(APPEND failures "${what}: got '${shown_actual}', expected '${shown_expected}'")
  endif()
endmacro()

macro(expect_imported file imports)
  foreach(function IN ITEMS ${ARGN})
    if(NOT "KERNEL32.dll:${function}" IN_LIST ${imports})
      list(APPEND failures "${file} does not import ${function} from KERNEL32.dll")
    endif()
  endforeach()
endmacro()

# The version resource (type 16) holds VERSION in its fixed part, as the
# numbers major.minor and patch.0, and in its strings, with COPYRIGHT (the
# copyright line of LICENSE).
macro(expect_version_resource file)
  if(NOT module_version_resource)
    list(APPEND failures "${file} has no version resource")
  endif()
  file(READ ${file} bytes HEX)
  string(REPLACE "." ";" numbers "${VERSION}")
  list(GET numbers 0 major)
  list(GET numbers 1 minor)
  list(GET numbers 2 patch)
  # Each number as the two little-endian bytes of a 16-bit field.
  foreach(part IN ITEMS major minor patch)
    math(EXPR ${part} "${${part}}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "000" ${part} "${${part}}")
    string(REGEX MATCH "(..)(..)$" _ "${${part}}")
    set(${part} "${CMAKE_MATCH_2}${CMAKE_MATCH_1}")
  endforeach()
  # Signature, structure version, then FileVersionMS and FileVersionLS.
  string(FIND "${bytes}" "bd04effe00000100${minor}${major}0000${patch}" at)
  if(at EQUAL -1)
    list(APPEND failures "${file}: the version resource's file version is not ${VERSION}")
  endif()
  foreach(text IN ITEMS "${VERSION}" "zef" "${COPYRIGHT}")
    string(HEX "${text}" utf16)
    string(REGEX REPLACE "(..)" "\\100" utf16 "${utf16}")
    string(FIND "${bytes}" "${utf16}0000" at)
    if(at EQUAL -1)
      list(APPEND failures "${file}: the version resource lacks the string '${text}'")
    endif()
  endforeach()
endmacro()

# The shipped module: its format, its exports, its imports and its version.
macro(check_module file format)
  read_pe_tables(${file} module)
  expect("${file} format" "${module_format}" "${format}")
  expect("${file} exports" "${module_exports}" "load;request;unload")
  expect("${file} imported DLLs" "${module_dlls}" "KERNEL32.dll;msvcrt.dll")
  expect_imported("${file}" module_imports GlobalAlloc GlobalFree)
  expect_version_resource(${file})
  file(SIZE ${file} size)
  string(REPLACE ";" " " exports "${module_exports}")
  string(REPLACE ";" " " dlls "${module_dlls}")
  message(STATUS "${file}: ${module_format}, ${size} bytes, exports ${exports}, imports ${dlls}")
endmacro()

if(DEFINED DLL)
  check_module(${DLL} ${FORMAT})
else()
  foreach(arch_format IN ITEMS "win32=pei-i386" "win64=pei-x86-64")
    string(REGEX REPLACE "=.*" "" arch "${arch_format}")
    string(REGEX REPLACE ".*=" "" format "${arch_format}")
    check_module(${CROSS_ROOT}/out/${arch}/zef.dll ${format})

    set(exe ${CROSS_ROOT}/out/${arch}/saori-run.exe)
    read_pe_tables(${exe} runner)
    expect("${arch}/saori-run.exe format" "${runner_format}" "${format}")
    expect("${arch}/saori-run.exe imported DLLs" "${runner_dlls}" "KERNEL32.dll;msvcrt.dll")
    expect_imported("${arch}/saori-run.exe" runner_imports
                    LoadLibraryA GetProcAddress FreeLibrary GlobalAlloc GlobalFree)
  endforeach()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "PE tables:\n  ${text}")
endif()
