# Shared settings for running Wine here; sourced, not executed.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
wine_dir=/usr/lib/wine
export WINELOADER=${WINELOADER:-$wine_dir/wine64}
export WINESERVER=${WINESERVER:-$wine_dir/wineserver}

# Prints the machine field of a PE file: 14c (i386) or 8664 (x86-64).
pe_machine() {
    local pe_offset
    pe_offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx2 -j$((pe_offset + 4)) -N2 "$1" | tr -d ' '
}

wine_loader_for() {
    if [ "$(pe_machine "$1")" = 8664 ]; then
        echo "$wine_dir/wine64"
    else
        echo "$wine_dir/wine"
    fi
}

# True when this machine can start the 32-bit Wine loader (some kernels are built
# without 32-bit program support).
can_run_win32() {
    "$wine_dir/wine" --version >/dev/null 2>&1
}
