#!/usr/bin/env bash
# Runs Quillory: installs what the machine lacks, builds quillory.exe, prepares the Wine prefix and
# starts the program in a Wine virtual desktop, on the current display when DISPLAY is set.
# Without a display it runs on a virtual one, saves a screenshot under out/run/, says where, and
# closes the program again.
#
# Usage: scripts/run.sh [ALBUM]
#   ALBUM is an album file or folder path on this machine, or a plain album name (kept beside
#   quillory.exe). Without it, a sample album is made on first use in ~/.quillory-sample.
# Environment: QUILLORY_BUILD_ROOT (default "build/") prefixes the build folder, WINEPREFIX picks
# the Wine prefix (default ~/.wine-quillory).
set -euo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/lib/wine_session.sh

readonly build_dir="${QUILLORY_BUILD_ROOT:-build/}windows"
readonly desktop="Quillory,1024x768"
readonly sample_folder="$HOME/.quillory-sample"

# The argument as the program expects it: a Windows path on Wine's Z: drive, or a plain name.
album_argument() {
    local album=$1
    if [[ "$album" == */* || -e "$album" ]]; then
        album="$(realpath -m "$album")"
        echo "Z:${album//\//\\}"
    else
        echo "$album"
    fi
}

# The virtual desktop shows a plain background until the program's window has been drawn.
wait_for_window() {
    local attempt colours
    for attempt in $(seq 120); do
        sleep 0.5
        colours="$(import -window root png:- 2>/dev/null | convert - -format '%k' info: 2>/dev/null || echo 0)"
        if [[ "$colours" -gt 16 ]]; then
            sleep 1
            return 0
        fi
    done
    return 1
}

# Asks the program to close as its close box would, and gives it time to save the album.
close_program() {
    local wine_pid=$1 attempt
    # taskkill only sees the windows of its own desktop, so it runs on the program's.
    wine explorer /desktop="$desktop" taskkill /im quillory.exe >/dev/null 2>&1 || true
    for attempt in $(seq 50); do
        kill -0 "$wine_pid" 2>/dev/null || return 0
        sleep 0.2
    done
    wine taskkill /f /im quillory.exe >/dev/null 2>&1 || true
}

scripts/setup.sh
cmake --preset windows -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j2 --target quillory

if [[ $# -ge 1 ]]; then
    argument="$(album_argument "$1")"
else
    argument="$(album_argument "$(python3 scripts/sample_album.py "$sample_folder")")"
fi

trap end_wine_session EXIT
if [[ -n "${DISPLAY:-}" ]]; then
    start_wine
    exe="$(winepath -w "$build_dir/quillory.exe")"
    wine explorer /desktop="$desktop" "$exe" "$argument"
    exit 0
fi

start_virtual_display
start_wine
exe="$(winepath -w "$build_dir/quillory.exe")"
wine explorer /desktop="$desktop" "$exe" "$argument" >/dev/null 2>&1 &
wine_pid=$!
mkdir -p out/run
screenshot="$root/out/run/quillory-$(date +%Y%m%d-%H%M%S).png"
if ! wait_for_window; then
    echo "run.sh: the Quillory window did not appear" >&2
    import -window root "$screenshot" && echo "screenshot of the display: $screenshot" >&2
    close_program "$wine_pid"
    exit 1
fi
import -window root "$screenshot"
echo "Quillory ran on a virtual display (no DISPLAY set); screenshot: $screenshot"
close_program "$wine_pid"
