#!/usr/bin/env bash
# Cross-builds libjpeg-turbo's static library for 64-bit Windows (MinGW-w64, with its nasm SIMD)
# from Debian's source package of the very version the native build uses, and keeps it in a cache
# outside the clone, shared by every clone and build folder on the machine, so a fresh clone does
# not build it again. Quick and silent when the cache already has it; prints the build's time when
# it builds. Building needs root (a deb-src entry and the package lists) and setup.sh's packages.
#
# Environment: QUILLORY_CACHE (default /var/cache/quillory) is the cache folder; the windows preset
# finds the library through its libjpeg-turbo-mingw link.
set -euo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly cache="${QUILLORY_CACHE:-/var/cache/quillory}"
readonly source_package=libjpeg-turbo
readonly native_package=libjpeg62-turbo-dev
readonly source_list=/etc/apt/sources.list.d/quillory-deb-src.sources

full_version="$(dpkg-query -W -f='${source:Version}' "$native_package")"
readonly full_version
readonly version="${full_version#*:}"  # the epoch's colon has no place in a folder name
readonly prefix="$cache/$source_package-$version-mingw"
readonly current="$cache/$source_package-mingw"

point_current_at_prefix() {
    [[ "$(readlink "$current" 2>/dev/null)" == "$prefix" ]] || ln -sfn "$prefix" "$current"
}

finish_if_built() {
    [[ -f "$prefix/lib/libjpeg.a" ]] || return 0
    point_current_at_prefix
    exit 0
}

finish_if_built

if [[ $(id -u) -ne 0 ]]; then
    echo "build-libjpeg-turbo.sh: $prefix is missing; run this script as root to build it" >&2
    exit 1
fi

# The archive URIs apt takes the native package from, one a line.
archive_uris() {
    apt-cache policy "$native_package" | awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { print $2 }' | sort -u
}

# Source entries copied from the system's own binary entries for those URIs, in deb822 form.
source_entries() {
    local uris
    uris="$(archive_uris | paste -sd ' ')"
    local files=(/etc/apt/sources.list.d/*.sources)
    [[ -e "${files[0]}" ]] && awk -v uris="$uris" '
        BEGIN { RS = ""; n = split(uris, wanted, " ") }
        $0 ~ /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|$|\n)/ {
            for (i = 1; i <= n; ++i) if (index($0, wanted[i])) {
                sub(/Types:[^\n]*/, "Types: deb-src"); print; print ""; break
            }
        }' "${files[@]}"
    [[ -f /etc/apt/sources.list ]] && awk -v uris="$uris" '
        BEGIN { n = split(uris, wanted, " ") }
        $1 == "deb" {
            for (f = 2; f <= NF && $f ~ /^\[/; ++f) while ($f !~ /\]$/) ++f  # skip [options]
            for (i = 1; i <= n; ++i) if ($(f) == wanted[i]) {
                uri = $f; suite = $(f + 1); components = ""
                for (c = f + 2; c <= NF; ++c) components = components " " $c
                printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:%s\n\n", uri, suite, components
                break
            }
        }' /etc/apt/sources.list
    return 0
}

# Unpacks the source package into the current folder; prints the source tree's path.
fetch_source() {
    [[ -f "$source_list" ]] || source_entries >"$source_list"
    [[ -s "$source_list" ]] || { echo "build-libjpeg-turbo.sh: no deb entry serves $native_package" >&2; return 1; }
    apt-get source --print-uris -qq "$source_package=$full_version" >/dev/null 2>&1 || apt-get update -qq >&2
    apt-get source -qq "$source_package=$full_version" >/dev/null &&
        find . -maxdepth 1 -type d -name "$source_package-*" | head -n 1
}

build_static_library() {
    local tree=$1 build=$2
    cmake -S "$tree" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DREQUIRE_SIMD=ON \
        -DCMAKE_ASM_NASM_COMPILER=nasm &&
        nice cmake --build "$build" --target jpeg-static -j2
}

install_into() {
    local tree=$1 build=$2 target=$3
    mkdir -p "$target/lib" "$target/include" "$target/share/doc" &&
        cp "$build/libjpeg.a" "$target/lib/" &&
        cp "$tree/jpeglib.h" "$tree/jerror.h" "$tree/jmorecfg.h" "$build/jconfig.h" "$target/include/" &&
        cp "$tree/LICENSE.md" "$tree/README.ijg" "$target/share/doc/"
}

# Each step is chained: errexit does not reach inside an if's condition.
build_into_partial() {
    local tree
    cd "$work" &&
        tree="$work/$(fetch_source)" &&
        build_static_library "$tree" "$work/build" &&
        install_into "$tree" "$work/build" "$prefix.partial"
}
# Set-ups of two clones at once: the second waits and finds the first one's build.
mkdir -p "$cache"
exec 9>"$cache/.build-lock"
flock 9
finish_if_built

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
started=$SECONDS
log="$work/build.log"
if ! (build_into_partial) >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-libjpeg-turbo.sh: building $source_package $version for MinGW-w64 failed" >&2
    rm -rf "$prefix.partial"
    exit 1
fi
rm -rf "$prefix"
mv "$prefix.partial" "$prefix"
point_current_at_prefix
echo "build-libjpeg-turbo.sh: built $source_package $version for MinGW-w64 in $((SECONDS - started)) s ($prefix)"
