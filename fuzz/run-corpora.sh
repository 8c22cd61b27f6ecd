#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target once over each input of its
# seed corpus, fuzz/corpus/TARGET/, where the reproducers of fixed crashes are kept
# too: a crash once fixed stays fixed. No fuzzing, a few seconds in all.
#
# Writes build/fuzz/test-results/fuzz-corpora.xml, one test case per target in
# GoogleTest's report form, which test.sh counts. Exits non-zero when a target
# fails on its corpus; its output is in build/fuzz/logs/TARGET-corpus.log.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(label_text profile fast_header band_file open_product)

cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$(nproc 2>/dev/null || echo 2)"

# The targets' temporary folders go into one of ours, removed at the end.
TMPDIR=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

results=build/fuzz/test-results
rm -rf "$results"
mkdir -p "$results" build/fuzz/logs
cases=
failures=0
for target in "${targets[@]}"; do
    log="build/fuzz/logs/$target-corpus.log"
    inputs=(fuzz/corpus/"$target"/*)
    if "build/fuzz/fuzz/$target" -timeout=10 -malloc_limit_mb=100 "${inputs[@]}" >"$log" 2>&1; then
        echo "fuzz corpus $target: ${#inputs[@]} inputs, passed"
        cases+="  <testcase name=\"$target\" status=\"run\" result=\"completed\"/>"$'\n'
    else
        failures=$((failures + 1))
        echo "fuzz corpus $target: FAILED (see $log)" >&2
        grep -E '^(==[0-9]+==ERROR|SUMMARY|rule broken|Running:)' "$log" | tail -5 >&2 || true
        cases+="  <testcase name=\"$target\" status=\"run\" result=\"completed\">"
        cases+="<failure message=\"crashed on its corpus, see $log\"/></testcase>"$'\n'
    fi
done

cat >"$results/fuzz-corpora.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<testsuites tests="${#targets[@]}" failures="$failures" name="fuzz-corpora">
<testsuite name="FuzzCorpora" tests="${#targets[@]}" failures="$failures">
$cases</testsuite>
</testsuites>
XML
[ "$failures" -eq 0 ]
