# What CMake needs to know of the WASI system (this CMake has no file of its
# own for it): programs are WebAssembly files, and there are no shared objects.
set(CMAKE_EXECUTABLE_SUFFIX ".wasm")
set_property(GLOBAL PROPERTY TARGET_SUPPORTS_SHARED_LIBS FALSE)
