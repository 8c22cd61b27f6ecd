#!/usr/bin/env bash
# Makes the Wine prefix once (under a lock, as ctest may start several programs at
# a time) and sets it up for unattended tests:
#  - no window-manager wait when a window closes (Managed=N),
#  - a crash ends the process at once instead of starting the debugger.
# The prefix is a 64-bit one, made by wine64; 32-bit programs run in it too.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.quillmere-ready" ]; then
    rm -rf "$WINEPREFIX"
    wine64=$wine_dir/wine64
    "$wine64" wineboot -i >/dev/null 2>&1
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine64" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /f >/dev/null 2>&1 || true
    "$WINESERVER" -w
    touch "$WINEPREFIX/.quillmere-ready"
fi
