#!/usr/bin/env bash
# Builds the sample generator for this machine (preset "release": optimised, without
# the test suites) and writes the two sample products into samples/, unless they are
# there already.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -e samples/SYN7REC.LAB ] && [ -e samples/SYN7FAST.LAB ] && exit 0
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc 2>/dev/null || echo 2)" --target quillmere-sample-gen
build/release/tools/sample_gen/quillmere-sample-gen samples
