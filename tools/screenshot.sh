#!/usr/bin/env bash
# Takes docs/screenshot.png: starts a private Xvfb, runs quillmere.exe under Wine
# from samples/ (made first if missing), opens a sample label (samples/SYN7REC.LAB
# unless another is named) through the open dialog, shows bands 3, 2, 1 in
# three-band mode, zooms out once and photographs the maximised window with the
# cursor over the picture. Usage: tools/screenshot.sh [OUT.PNG [LABEL]]
# (docs/where-is-this.png is tools/screenshot.sh docs/where-is-this.png SYN7FAST.LAB:
# the georeferenced scene, whose pixel text names the place.)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-docs/screenshot.png}")
label=${2:-SYN7REC.LAB}

tools/setup-machine.sh
source cmake/wine-env.sh

preset=win32-release
can_run_win32 || preset=win64-release
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" -j"$(nproc 2>/dev/null || echo 2)" --target quillmere qm_configuration_file
tools/make-samples.sh

source cmake/private-display.sh
start_private_display 1024x768 140 180

(cd samples && "$root/cmake/wine-run.sh" "$root/build/$preset/app/quillmere.exe" >/dev/null 2>&1 &)

window=
for _ in $(seq 120); do
    window=$(xdotool search --name '^Quillmere$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
sleep 2

# Points in the window: the toolbar buttons and the drop-down arrows of the three
# band choosers, whose lists start with "表示しない" and then bands 1 to 7.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep "${3:-0.7}"; }
choose_band() {
    click 248 "$1"
    local i
    for i in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
    sleep 0.5
}

click 567 12 2                      # maximise: Wine draws the frame, no window manager
click 19 60 2                       # open: the dialog starts in samples/
xdotool type --delay 40 "$label"
xdotool key Return
sleep 3
choose_band 90 3                    # red: band 3
choose_band 240 2                   # green: band 2
choose_band 390 1                   # blue: band 1
click 89 60 4                       # apply the band change
click 190 60 2                      # zoom out
xdotool mousemove 640 400           # the pixel text right of the toolbar buttons
sleep 1

mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "screenshot.sh: wrote $out"
