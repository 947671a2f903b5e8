# Stands in for the tests that run under Node.js where it is not installed.
include(${CMAKE_CURRENT_LIST_DIR}/../windows/skip.cmake)
zef_skip("Node.js is not installed (tools/install-deps.sh installs it)")
