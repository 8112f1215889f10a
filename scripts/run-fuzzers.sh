#!/bin/bash
# Runs every fuzz target for the given time, side by side, each starting from
# its seed corpus in fuzz/corpus; fails when a target finds an input that
# breaks one of its checks or trips a sanitizer.
#   run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail

build_dir=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=(fuzz_number_text fuzz_abacus)

declare -A pids
for target in "${targets[@]}"; do
    # New inputs go into the build folder; the seeds in the repository stay as they are.
    mkdir -p "$build_dir/corpus/$target" "$build_dir/findings"
    "$build_dir/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build_dir/findings/$target-" \
        "$build_dir/corpus/$target" "$root/fuzz/corpus/$target" >"$build_dir/$target.log" 2>&1 &
    pids[$target]=$!
done

status=0
for target in "${targets[@]}"; do
    log="$build_dir/$target.log"
    if wait "${pids[$target]}"; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        echo "$target: $runs runs in ${seconds} s ($speed per second), nothing found"
    else
        status=1
        echo "$target found an input that fails (full log: $log):" >&2
        grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse|INITED)' "$log" | tail -n 40 >&2
        echo "Fix the fault, then add the input named above to fuzz/corpus/$target/ so that it stays fixed." >&2
    fi
done
exit $status
