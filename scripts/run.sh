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
source scripts/lib/quillory_program.sh

readonly sample_folder="$HOME/.quillory-sample"

build_quillory

if [[ $# -ge 1 ]]; then
    argument="$(album_argument "$1")"
else
    argument="$(album_argument "$(python3 scripts/sample_album.py "$sample_folder")")"
fi

trap end_wine_session EXIT
if [[ -n "${DISPLAY:-}" ]]; then
    start_wine
    start_quillory "$argument"
    wait "$QUILLORY_WINE_PID"
    exit 0
fi

start_virtual_display
start_wine
start_quillory "$argument"
mkdir -p out/run
screenshot="$root/out/run/quillory-$(date +%Y%m%d-%H%M%S).png"
if ! wait_for_window; then
    echo "run.sh: the Quillory window did not appear" >&2
    import -window root "$screenshot" && echo "screenshot of the display: $screenshot" >&2
    close_program
    exit 1
fi
import -window root "$screenshot"
echo "Quillory ran on a virtual display (no DISPLAY set); screenshot: $screenshot"
close_program
