#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Quillory's build, tests and run command need and the
# machine lacks, then has libjpeg-turbo built for MinGW-w64 (scripts/build-libjpeg-turbo.sh, cached
# outside the clone). Quick and silent when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine xvfb xauth x11-utils xdotool
    imagemagick libimage-exiftool-perl fonts-ipafont
    libexiv2-dev pkg-config python3
    libjpeg62-turbo-dev dpkg-dev nasm
)
readonly here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

is_installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

install_missing() {
    if [[ $(id -u) -ne 0 ]]; then
        echo "setup.sh: missing packages (${missing[*]}); run this script as root to install them" >&2
        exit 1
    fi
    echo "setup.sh: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

missing=()
for package in "${packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] || install_missing
"$here/build-libjpeg-turbo.sh"
