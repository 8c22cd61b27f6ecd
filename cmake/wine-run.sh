#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, in the Japanese
# locale (ANSI code page 932). Used by ctest as the cross-compiling emulator and by
# the scripts at the top of the repository.
#
# The loader is picked from the program's PE header: 64-bit programs go straight
# to wine64, so they run even where the kernel cannot execute the 32-bit loader.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
exec "$(wine_loader_for "$1")" "$@"
