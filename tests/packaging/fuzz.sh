#!/usr/bin/env bash
# Replays the start argument's corpus, then fuzzes for a while on top of it.
# Usage: fuzz.sh FUZZER CORPUS_DIR SCRATCH_DIR [SECONDS]
# Exits 77 (skipped) when the fuzz target was not built (it needs clang).
set -euo pipefail
fuzzer=$1 corpus=$2 scratch=$3 seconds=${4:-30}
if [ ! -x "$fuzzer" ]; then
    echo "skipped: no fuzz target at $fuzzer (scripts/test builds it when clang++ is installed)"
    exit 77
fi
# New inputs and any crashing one go to the scratch folder, never into the corpus kept with the sources.
mkdir -p "$scratch/found"
cd "$scratch"
run() {
    if ! "$fuzzer" "$@" >fuzz.log 2>&1; then
        tail -n 40 fuzz.log
        exit 1
    fi
}
run -runs=0 "$corpus"
echo "corpus replayed: $(find "$corpus" -type f | wc -l) inputs"
run -max_total_time="$seconds" -print_final_stats=1 found "$corpus"
grep -E '^stat::number_of_executed_units' fuzz.log
