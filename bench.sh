#!/usr/bin/env bash
# Builds the benchmarks (preset "bench": optimised, no sanitisers, no tests) and
# runs them. Every time is set beside a raw baseline measured in the same run, so
# the ratios mean the same on any machine.
#   loadAgainstRawRead/record_format and fast_format: for an 8000 x 7000 band of
#     each format, raw_ms (a plain read of the whole file), load_ms (loadPixels
#     with its histogram), their ratio, histogram_ms (the histogram pass alone) and
#     touched_ms (the raw read plus one access to each page of its buffer) with
#     touched_ratio (load_ms over it).
#   compose/zoom:1 and zoom:4: compose_ms (a 1920 x 1080 display composed from three
#     8000 x 7000 bands in three-band mode, full levels; compose_stretched: the same
#     with each channel's levels stretched), memcpy_ms (one memcpy of the display
#     buffer's bytes) and ratio (compose_ms over memcpy_ms); source_ms (one touch of
#     every cache line of the source the rows span) and source_ratio (compose_ms over it).
#   compose_magnified/magnification:2, 4 and 16: the same display composed from the
#     stretched bands, each source pixel an m x m block; ratio is compose_ms over
#     memcpy_ms (the goal at 4x: under 2).
#   profile: profile_us (every band's value at one pixel of an 8-band 8000 x 7000
#     scene, none loaded, warm file cache), raw_us (eight open, 1-byte pread, close of
#     the same bytes) and their ratio; the goal is under 1 ms a profile.
#   export/single_band and three_bands: export_ms (exportBitmap of the 8000 x 7000
#     picture, 8-bit or 24-bit), write_ms (fopen, one fwrite of as many bytes and
#     fclose, in the same folder) and ratio (export_ms over write_ms).
# Extra arguments go to the benchmark program (--benchmark_filter=compose, ...).
set -euo pipefail
cd "$(dirname "$0")"

tools/setup-machine.sh
cmake --preset bench >/dev/null
cmake --build build/bench -j"$(nproc 2>/dev/null || echo 2)" --target quillmere-bench
build/bench/bench/quillmere-bench --benchmark_counters_tabular=true "$@"
