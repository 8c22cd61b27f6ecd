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

xvfb_pid=
cleanup() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

start_display() {
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
    done
    echo "test.sh: could not start Xvfb" >&2
    return 1
}
start_display
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
