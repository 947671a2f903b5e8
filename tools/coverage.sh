#!/usr/bin/env bash
# Line and branch coverage of src/ and of tools/ reached by the test suite
# (clang source-based coverage).
#
#   tools/coverage.sh           configure, build, run the tests, print the report
#
# Writes build/coverage/coverage-src.txt and coverage-tools.txt (per file)
# and prints the totals of each, for example
#   src/: lines 97.10% of 1905, branches 93.50% of 1046
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/coverage
# With a base folder ccache writes source paths relative to it into the
# objects, and the report by folder would find none of src/'s files.
unset CCACHE_BASEDIR
cmake --preset coverage >/dev/null
cmake --build --preset coverage -j"$(nproc)"
rm -rf "$build/profiles"
# A failing test still counts for what it reached; the failures are reported.
ctest --preset coverage -j"$(nproc)" -E '^windows_' >"$build/ctest.log" ||
  echo "coverage: some tests failed, see $build/ctest.log"

llvm-profdata-14 merge -sparse "$build"/profiles/*.profraw -o "$build/tests.profdata"

# Every test binary, and the module that some of them load at run time.
objects=()
while IFS= read -r binary; do
  objects+=(-object "$binary")
done < <(find "$build" -path "$build/windows-cross" -prune -o -type f \( -perm -u+x -o -name '*.so' \) -print |
         while read -r f; do head -c 4 "$f" | grep -q 'ELF' && echo "$f"; done)

# A TOTAL line's columns: regions, missed, cover, functions, missed, cover,
# lines, missed, cover, branches, missed, cover.
for folder in src tools; do
  llvm-cov-14 report "${objects[@]:1}" -instr-profile="$build/tests.profdata" -show-branch-summary \
    "$(pwd)/$folder" >"$build/coverage-$folder.txt"
  awk -v folder="$folder" '$1 == "TOTAL" {
    printf "%s/: lines %s of %d, branches %s of %d\n", folder, $10, $8, $13, $11 }' "$build/coverage-$folder.txt"
done
