#!/usr/bin/env bash
# Builds the sample generator for this machine (optimised, without the test suites)
# and writes the two sample products into samples/, unless they are there already.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -e samples/SYN7REC.LAB ] && [ -e samples/SYN7FAST.LAB ] && exit 0
cmake -S . -B build/sample-gen -DCMAKE_BUILD_TYPE=Release -DQM_SANITIZE=OFF \
    -DQM_BUILD_TESTS=OFF >/dev/null
cmake --build build/sample-gen -j"$(nproc 2>/dev/null || echo 2)" --target quillmere-sample-gen
build/sample-gen/tools/sample_gen/quillmere-sample-gen samples
