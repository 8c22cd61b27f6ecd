#!/usr/bin/env bash
# Builds the benchmarks (preset "bench": optimised, no sanitisers, no tests) and
# runs them. For each band format the table shows raw_ms (a plain read of the whole
# file), load_ms (loadPixels with its histogram), their ratio, histogram_ms (the
# histogram pass alone) and touched_ms (the raw read plus one access to each page
# of its buffer) with touched_ratio (load_ms over it). Extra arguments go to the
# benchmark program.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup-machine.sh
cmake --preset bench >/dev/null
cmake --build build/bench -j"$(nproc 2>/dev/null || echo 2)" --target quillmere-bench
build/bench/bench/quillmere-bench --benchmark_counters_tabular=true "$@"
