#!/usr/bin/env bash
# Installs with apt-get whatever this repository's builds and tests need and the
# machine lacks, and generates the Japanese locale Wine runs in. Does nothing on a
# machine that has it all.
set -euo pipefail

packages=(cmake g++ make googletest libbenchmark-dev nlohmann-json3-dev libstb-dev zlib1g-dev python3
          mingw-w64 libz-mingw-w64-dev wine wine64 wine32:i386 xvfb xauth xdotool imagemagick
          fonts-ipafont-gothic locales clang libclang-rt-14-dev
          libproj-dev gdal-bin)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$p"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "setup: installing $(echo $missing | tr '\n' ' ')"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        $missing >/dev/null
}

generate_japanese_locale() {
    locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
    echo "setup: generating the ja_JP.UTF-8 locale"
    as_root sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
}

install_packages
generate_japanese_locale
