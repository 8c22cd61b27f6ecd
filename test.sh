#!/usr/bin/env bash
# Installs what is missing, builds the three test configurations (native, win32,
# win64) and the three optimised ones users run (release, win32-release,
# win64-release, so a release-only compile error shows here), and runs every test:
# natively, and the Windows programs under Wine on a private X display. Where the
# kernel cannot start 32-bit programs, the win32 suites are built but not run, and
# that is said. The last line is "N passed, N failed" over all runs.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

tools/setup-machine.sh
source cmake/wine-env.sh

jobs=$(nproc 2>/dev/null || echo 2)
for preset in native win32 win64 release win32-release win64-release; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build "build/$preset" -j"$jobs"
done

source cmake/private-display.sh
start_private_display 1280x1024 90 130
cmake/wine-prefix.sh

status=0
ran=()
run_tests() {
    local preset=$1
    echo "== test $preset"
    ran+=("build/$preset:$(ctest --preset "$preset" -N | sed -n 's/^Total Tests: //p')")
    rm -rf "build/$preset/test-results"
    if ! ctest --preset "$preset" --timeout 600; then
        status=1
        echo "FAILED: $preset" >&2
    fi
}

run_tests native
run_tests win64
if can_run_win32; then
    run_tests win32
else
    status_note="win32: built ($(file -b build/win32/tests/quillmere-tests.exe | cut -d' ' -f1)), \
its tests not run: this machine's kernel cannot start 32-bit programs, so neither can Wine's 32-bit loader"
    echo "$status_note"
fi

# Every fuzz target over its seed corpus, so that a crash once fixed stays fixed;
# one case per target in build/fuzz/test-results.
echo "== fuzz corpora"
ran+=("build/fuzz:1")
if ! fuzz/run-corpora.sh; then
    status=1
    echo "FAILED: fuzz corpora" >&2
fi

# Cases counted from the GoogleTest reports. A program that wrote no report (it
# died, or never started) counts as one failure; ctest has already said which.
python3 - "$status" "${ran[@]}" <<'PY'
import glob, sys, xml.etree.ElementTree as ET
ctest_failed = sys.argv[1] != "0"
passed = failed = 0
for run in sys.argv[2:]:
    build, programs = run.rsplit(":", 1)
    reports = glob.glob(build + "/test-results/*.xml")
    if len(reports) < int(programs or 0):
        print(f"{build}: {int(programs) - len(reports)} test program(s) wrote no report")
        failed += int(programs) - len(reports)
    for report in reports:
        for case in ET.parse(report).iter("testcase"):
            if case.find("failure") is not None:
                failed += 1
            elif case.get("result", "completed") == "completed" and case.get("status") == "run":
                passed += 1
if ctest_failed and failed == 0:
    failed = 1
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed or passed == 0 else 0)
PY
