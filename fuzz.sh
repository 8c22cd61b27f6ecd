#!/usr/bin/env bash
# Builds the fuzz preset and fuzzes the readers of outside data with libFuzzer.
#
#   ./fuzz.sh [TARGET|all] [SECONDS]     (all targets, 60 seconds each, by default)
#
# Targets run one after another, each as one process at low priority. New inputs
# that reach new code are kept in build/fuzz/corpus/TARGET/; the seeds in
# fuzz/corpus/TARGET/ are only read. For each target the script prints the runs,
# the coverage reached and whether anything was found. A crash, a leak, an
# allocation above 100 MB, a run over 10 seconds (which ends that target's run) or
# an input slower than 1 second is a finding: its input is kept in
# build/fuzz/crashes/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")"

all_targets=(label_text profile fast_header band_file open_product)
targets=("${all_targets[@]}")
if [ $# -ge 1 ] && [ "$1" != all ]; then
    if [[ " ${all_targets[*]} " != *" $1 "* ]]; then
        echo "usage: ./fuzz.sh [TARGET|all] [SECONDS]; targets: ${all_targets[*]}" >&2
        exit 2
    fi
    targets=("$1")
fi
seconds=${2:-60}

cmake --preset fuzz >/dev/null
nice -n 10 cmake --build build/fuzz -j"$(nproc 2>/dev/null || echo 2)"

# The targets write their files for every input, into a temporary folder that a
# target killed at the end of its time cannot leave behind: one of ours, removed at
# the end. On a memory file system where there is one, so that no run waits on the
# disk.
scratch_root=/tmp
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch_root=/dev/shm
fi
TMPDIR=$(mktemp -d "$scratch_root/quillmere-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

artifacts_of() {
    find build/fuzz/crashes -name "$1-*" | sort
}

mkdir -p build/fuzz/crashes build/fuzz/logs
found=0
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$target"
    log="build/fuzz/logs/$target.log"
    before=$(artifacts_of "$target")
    echo "== $target: fuzzing for $seconds s (log: $log)"
    result=0
    nice -n 10 "build/fuzz/fuzz/$target" \
        -max_total_time="$seconds" -timeout=10 -report_slow_units=1 \
        -malloc_limit_mb=100 -rss_limit_mb=2048 -print_final_stats=1 \
        -dict="fuzz/dict/$target.dict" -artifact_prefix="build/fuzz/crashes/$target-" \
        "build/fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1 || result=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
    new=$(comm -13 <(echo "$before") <(artifacts_of "$target"))
    if [ "$result" -ne 0 ] || [ -n "$new" ]; then
        found=1
        echo "$target: ${runs:-?} runs, ${coverage:-no coverage line}: FOUND SOMETHING"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|rule broken|Slowest unit)' "$log" | sed 's/^/    /' || true
        for artifact in $new; do
            echo "    kept: $artifact (reproduce: build/fuzz/fuzz/$target $artifact)"
        done
    else
        echo "$target: ${runs:-?} runs, $coverage, nothing found"
    fi
done
exit "$found"
