#!/usr/bin/env bash
# The viewer as a user feels it. Builds the Windows program's code optimised
# (build/gui-bench-ARCH: MinGW, Release) with the viewer benchmark, and the
# optimised command-line program for this machine (preset "bench"); writes an
# 8000 x 7000 three-band product once (build/gui-bench-product); runs the viewer
# benchmark under Wine on a private Xvfb display, then quillmere-cli on the same
# product, natively and under Wine.
#   bench/gui.sh [win32|win64] [RUNS]
# win32 (the shipped program) is the default; a machine whose kernel cannot start
# 32-bit programs runs win64 instead. Every line is a median over RUNS runs (5).
#
# The viewer benchmark reports, each from the command to the end of its paint: the
# first band change (three bands loaded, histograms built, first paint), a later
# band change (pixels only), one scroll step, one zoom-out, a level click (panels
# only) and an uncovered window; then the pieces of an image paint on their own
# (composition, DIB section, BitBlt) and, before and after, quillmere-cli info
# --stats on the same product in the same process.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

arch=${1:-win32}
runs=${2:-5}
tools/setup-machine.sh
source cmake/wine-env.sh
if [ "$arch" = win32 ] && ! can_run_win32; then
    echo "gui.sh: this kernel cannot start 32-bit programs; measuring win64" >&2
    arch=win64
fi
case $arch in
    win32) toolchain=cmake/mingw-i686.cmake ;;
    win64) toolchain=cmake/mingw-x86_64.cmake ;;
    *) echo "usage: bench/gui.sh [win32|win64] [RUNS]" >&2; exit 2 ;;
esac

jobs=$(nproc 2>/dev/null || echo 2)
build=build/gui-bench-$arch
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DQM_BUILD_TESTS=OFF -DQM_BUILD_GUI_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs" --target quillmere-gui-bench quillmere-cli
cmake --preset bench >/dev/null
cmake --build build/bench -j"$jobs" --target quillmere-cli

product=$root/build/gui-bench-product
mkdir -p "$product"
windows_path() { echo "Z:${1//\//\\}"; }

source cmake/private-display.sh
start_private_display 2400x1400 140 180
cmake/wine-prefix.sh

echo "== $arch viewer under Wine ($(uptime | sed 's/.*load average/load average/'))"
exe=$build/bench/gui/quillmere-gui-bench.exe
"$(wine_loader_for "$exe")" "$exe" "$(windows_path "$product")" "$runs"

# The median wall time and largest resident size of a command run RUNS times.
measure() {
    local what=$1
    shift
    local times=() kib=0 line report
    report=$(mktemp)
    for _ in $(seq "$runs"); do
        /usr/bin/time -o "$report" -f '%e %M' "$@" >/dev/null 2>&1
        line=$(tail -1 "$report")
        times+=("${line% *}")
        kib=$(( ${line#* } > kib ? ${line#* } : kib ))
    done
    rm -f "$report"
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    printf '%-58s %9s s   %4d MiB\n' "$what" "$median" $((kib / 1024))
}

label=$product/SCENE.LAB
config=$product/QMDATA.INI
cli=build/bench/tools/cli/quillmere-cli
wcli=$build/tools/cli/quillmere-cli.exe
echo "== quillmere-cli on the same product (wall time, peak resident size)"
measure "native: info --stats" "$cli" info "$label" --stats --config "$config"
measure "native: export --rgb 1,2,3" "$cli" export "$label" -o "$product/OUT.BMP" \
    --config "$config" --rgb 1,2,3
measure "$arch under Wine: info --stats (with Wine's start)" \
    "$(wine_loader_for "$wcli")" "$wcli" info "$(windows_path "$label")" --stats \
    --config "$(windows_path "$config")"
rm -f "$product/OUT.BMP"
