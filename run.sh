#!/usr/bin/env bash
# Builds the viewer (quillmere.exe) and starts it under Wine, in the Japanese locale.
# The 32-bit build is the shipped one; where this machine cannot run 32-bit
# programs, the 64-bit build is started instead. Without a display, a virtual one
# (Xvfb) is started and stays up as long as the program runs.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup-machine.sh
source cmake/wine-env.sh

preset=win32
can_run_win32 || preset=win64
program=app/quillmere.exe

cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" -j"$(nproc 2>/dev/null || echo 2)" --target quillmere

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    trap 'kill $! 2>/dev/null || true' EXIT
    export DISPLAY=:99
    echo "run.sh: no display, started Xvfb on :99 (screenshot: import -display :99 -window root shot.png)"
fi
exec_program() { cmake/wine-run.sh "build/$preset/$program" "$@"; }
exec_program "$@"
