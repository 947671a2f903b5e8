#!/usr/bin/env bash
# Builds the module, its tools and every test, and runs them all; then the
# same tests under the sanitizers, and a bounded run of the fuzz targets.
#
# Installs the system packages the tests need first (MinGW-w64, Wine, ...),
# so that a fresh machine needs nothing else.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

# ctest's summaries are collected for the closing line.
summaries=$(mktemp)
trap 'rm -f "$summaries"' EXIT

cmake --preset dev
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)" | tee -a "$summaries"

# The whole suite again under AddressSanitizer, LeakSanitizer and UBSan
# (the cross-built Windows checks are left to the dev run).
cmake --preset asan
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)" | tee -a "$summaries"

# Each fuzz target for about a minute from its corpus; an input that makes
# one fail is kept in fuzz/regressions/ and fails this run.
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
bash tools/fuzz.sh 60

# Reached only when every stage passed (set -e): one closing line for all.
total=$(sed -n 's/.*tests failed out of \([0-9][0-9]*\)$/\1/p' "$summaries" | awk '{ n += $1 } END { print n + 0 }')
echo "tests: ${total} passed, 0 failed"
