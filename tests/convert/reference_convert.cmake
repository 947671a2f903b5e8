# The regular-expression reference that the scanners are compared against: a
# library of its own, for the tests, the benchmarks and the fuzz targets alike
# (each of which may be built without the others; the first one defines it).
if(TARGET zef_reference_convert)
  return()
endif()
add_library(zef_reference_convert STATIC ${CMAKE_CURRENT_LIST_DIR}/reference_convert.cpp)
target_include_directories(zef_reference_convert PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(zef_reference_convert PUBLIC zef_convert)
zef_apply_warnings(zef_reference_convert)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # The standard <regex> headers trip this warning themselves in sanitizer builds.
  target_compile_options(zef_reference_convert PRIVATE -Wno-maybe-uninitialized)
endif()
