#!/usr/bin/env bash
# Builds the module, its tools and every test, and runs them all.
#
# Installs the system packages the tests need first (MinGW-w64, Wine, ...),
# so that a fresh machine needs nothing else.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

cmake --preset dev
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)"
