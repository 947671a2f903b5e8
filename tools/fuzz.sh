#!/usr/bin/env bash
# Runs each fuzz target for a bounded time from its seed corpus.
#
#   tools/fuzz.sh [--merge] [seconds per target, default 60] [build dir, default build/fuzz]
#
# Needs the targets of the fuzz preset (cmake --preset fuzz && cmake --build
# --preset fuzz). New interesting inputs go to <build dir>/corpus/<target>;
# with --merge, a run that found no failure then adds to the committed seeds
# in fuzz/corpus/<target> the fewest of them that reach code or comparisons
# the seeds do not (libFuzzer's -merge=1; the named seeds stay), ready to
# commit. An input that makes a
# target fail is written to fuzz/regressions/<target>/, where the test suite
# replays it from then on; the script then exits non-zero.
set -uo pipefail
cd "$(dirname "$0")/.."

merge=false
if [ "${1:-}" = "--merge" ]; then
  merge=true
  shift
fi
seconds="${1:-60}"
build="${2:-build/fuzz}"
status=0

# Adds to fuzz/corpus/<target> the run's finds that reach what its seeds do not.
merge_corpus() {
  local target="$1" binary="$2" scratch="$3" max_len="$4"
  local before after
  before=$(find "fuzz/corpus/$target" -type f | wc -l)
  if ! "$binary" -merge=1 -max_len="$max_len" -rss_limit_mb=2048 "fuzz/corpus/$target" "$scratch" \
    >"$build/merge-$target.log" 2>&1; then
    echo "fuzz $target: merge FAILED (see $build/merge-$target.log)"
    status=1
    return
  fi
  after=$(find "fuzz/corpus/$target" -type f | wc -l)
  echo "fuzz $target: $((after - before)) new seeds in fuzz/corpus/$target ($after in all)"
}

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
  local runs rate
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz $target: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), exit $result"
  if [ "$result" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz $target FAILED: the input is kept in fuzz/regressions/$target/"
    status=1
    return
  fi
  if $merge; then merge_corpus "$target" "$binary" "$scratch" "$max_len"; fi
}

run_target session 4096
run_target convert_diff 269
exit $status
