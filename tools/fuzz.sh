#!/usr/bin/env bash
# Runs each fuzz target for a bounded time from its seed corpus.
#
#   tools/fuzz.sh [seconds per target, default 60] [build dir, default build/fuzz]
#
# Needs the targets of the fuzz preset (cmake --preset fuzz && cmake --build
# --preset fuzz). New interesting inputs go to <build dir>/corpus/<target>, so
# the committed seeds in fuzz/corpus/ stay as they are. An input that makes a
# target fail is written to fuzz/regressions/<target>/, where the test suite
# replays it from then on; the script then exits non-zero.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build="${2:-build/fuzz}"
status=0

run_target() {
  local target="$1" max_len="$2"
  local binary="$build/fuzz/zef_fuzz_$target"
  local scratch="$build/corpus/$target"
  local log="$build/fuzz-$target.log"
  mkdir -p "$scratch" "fuzz/regressions/$target"
  "$binary" "$scratch" "fuzz/corpus/$target" \
    -dict=fuzz/zef.dict -max_len="$max_len" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="fuzz/regressions/$target/" -print_final_stats=1 >"$log" 2>&1
  local result=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz $target: ${runs:-?} executions in ${seconds} s, exit $result"
  if [ "$result" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz $target FAILED: the input is kept in fuzz/regressions/$target/"
    status=1
  fi
}

run_target session 4096
run_target convert_diff 269
exit $status
