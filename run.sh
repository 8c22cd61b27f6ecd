#!/usr/bin/env bash
# Builds the optimised viewer (quillmere.exe, as shipped) and starts it under Wine,
# in the Japanese locale. The 32-bit program runs everywhere; where this machine
# cannot run 32-bit programs, the 64-bit one is started instead. The first run also
# builds the sample generator for this machine and writes two sample products into samples/;
# the viewer starts in that folder, so its open dialog shows them. Without a
# display, a virtual one (Xvfb) is started and stays up as long as the program runs.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

tools/setup-machine.sh
source cmake/wine-env.sh

preset=win32-release
can_run_win32 || preset=win64-release
program=app/quillmere.exe
jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$jobs" --target quillmere qm_configuration_file

tools/make-samples.sh

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    trap 'kill $! 2>/dev/null || true' EXIT
    export DISPLAY=:99
    echo "run.sh: no display, started Xvfb on :99 (screenshot: import -display :99 -window root shot.png)"
fi
echo "run.sh: open samples/SYN7REC.LAB (ファイル > CD-ROMを開く), pick bands 3, 2, 1 and apply the band change (編集 > バンド変更の適応)"
# Started from samples/, so the open dialog begins there.
cd samples
"$root/cmake/wine-run.sh" "$root/build/$preset/$program" "$@"
