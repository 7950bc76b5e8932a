#!/bin/bash
# Runs one fuzz target for a bounded time over a scratch copy of its checked-in seeds and prints
# the run's figures. A finding fails the run and is kept in <scratch>/findings.
#   run_target.sh <target binary> <seed directory> <scratch directory> <seconds>
set -euo pipefail
binary=$1
seeds=$2
scratch=$3
seconds=$4

rm -rf "$scratch"
mkdir -p "$scratch/corpus" "$scratch/findings"
cp "$seeds"/* "$scratch/corpus/"
cd "$scratch"
status=0
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/findings/" "$scratch/corpus" >fuzz.log 2>&1 || status=$?

# The last status line carries the coverage; the final statistics carry the executions.
done_line=$(grep -E '^#[0-9]+' fuzz.log | tail -n 1 || true)
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' fuzz.log)
echo "$(basename "$binary"): ${runs:-?} executions (time limit ${seconds} s); last status: ${done_line:-none}"
echo "corpus: $(ls corpus | wc -l) inputs (seeds: $(ls "$seeds" | wc -l))"
if [ "$status" -ne 0 ]; then
    echo "--- finding (exit $status); the input is in $scratch/findings"
    tail -n 60 fuzz.log
fi
exit "$status"
