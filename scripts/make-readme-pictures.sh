#!/usr/bin/env bash
# Remakes the README's pictures from a freshly made sample album, so they follow the program's look:
#   docs/stand.png       the stand showing the sample's first Page with its tabs and overlay text;
#   docs/slide-show.png  the compact frameless window the slide show runs in.
# The program runs on a virtual display in a Wine virtual desktop; each picture is cut out of the
# screen along the X window Wine keeps for the program's window. The sample album is made anew in
# /tmp/quillory-sample (a fixed place, so the path on the status bar stays the same between runs)
# and removed afterwards; the run command's own sample album is left alone. Nothing is written
# unless both pictures show what they should.
#
# Usage: scripts/make-readme-pictures.sh
# Environment: as scripts/run.sh (QUILLORY_BUILD_ROOT, WINEPREFIX).
set -euo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/lib/wine_session.sh
source scripts/lib/quillory_program.sh

readonly docs="$root/docs"
readonly sample_folder=/tmp/quillory-sample
readonly running_suffix=" (スライドショー動作中...)"
# A window that has drawn a picture shows far more colours than its frame and background alone.
readonly least_colours=64
# The slide show begins on the 19th quiet second (and not at all in the first three minutes after
# the system started); this leaves room for a slow start.
readonly slide_show_timeout=60
scratch=""

fail() {
    echo "make-readme-pictures.sh: $*" >&2
    exit 1
}

clean_up() {
    if [[ -n "$QUILLORY_WINE_PID" ]]; then close_program; fi
    end_wine_session
    rm -rf "$sample_folder" "$scratch"
}

# "WIDTHxHEIGHT+X+Y" of the shown X window Wine keeps for the program's window titled TITLE, grown
# by MARGIN pixels on every side.
window_geometry() {
    local title=$1 margin=$2
    local id key value width height x y
    for id in $(xdotool search --onlyvisible --name "Quillory" 2>/dev/null); do
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$title" ]] || continue
        # xwininfo, because xdotool misplaces windows inside the virtual desktop's window.
        while IFS=: read -r key value; do
            case "$key" in
                *"Absolute upper-left X") x=${value// /} ;;
                *"Absolute upper-left Y") y=${value// /} ;;
                *Width) width=${value// /} ;;
                *Height) height=${value// /} ;;
            esac
        done < <(xwininfo -id "$id")
        echo "$((width + 2 * margin))x$((height + 2 * margin))+$((x - margin))+$((y - margin))"
        return 0
    done
    return 1
}

# Waits up to SECONDS for the window titled TITLE to be shown with a picture drawn in it, then cuts
# it out of the screen into FILE with MARGIN pixels of the desktop around it.
capture_window() {
    local title=$1 seconds=$2 margin=$3 file=$4 attempt geometry colours
    for attempt in $(seq $((seconds * 2))); do
        sleep 0.5
        geometry="$(window_geometry "$title" "$margin")" || continue
        import -window root -crop "$geometry" +repage "$file" 2>/dev/null || continue
        colours="$(convert "$file" -format '%k' info:)"
        if [[ "$colours" -gt "$least_colours" ]]; then
            # Let slides and late repaints finish before the picture is taken.
            sleep 2
            geometry="$(window_geometry "$title" "$margin")" || fail "the window \"$title\" went away"
            import -window root -crop "$geometry" +repage "$file"
            colours="$(convert "$file" -format '%k' info:)"
            [[ "$colours" -gt "$least_colours" ]] || fail "the window \"$title\" turned blank ($colours colours)"
            return 0
        fi
    done
    mkdir -p out
    import -window root out/readme-pictures-failed.png
    fail "no window \"$title\" with a picture in it after $seconds s; the screen is in out/readme-pictures-failed.png"
}

# Small files for the repository: no metadata, and a palette of 256 colours.
store_picture() {
    convert "$1" -strip -dither None -colors 256 "PNG8:$2"
}

build_quillory
trap clean_up EXIT
scratch="$(mktemp -d)"
rm -rf "$sample_folder"
album="$(python3 scripts/sample_album.py "$sample_folder")"
stand_title="$(basename "$album" .qalbum) - Quillory"

start_virtual_display
start_wine
start_quillory "$(album_argument "$album")"
capture_window "$stand_title" 30 0 "$scratch/stand.png"
# Nobody touches the stand from here on, so the slide show's idle countdown runs out. A strip of the
# desktop shows that its window has no frame.
capture_window "$stand_title$running_suffix" "$slide_show_timeout" 12 "$scratch/slide-show.png"
close_program
QUILLORY_WINE_PID=""

mkdir -p "$docs"
store_picture "$scratch/stand.png" "$docs/stand.png"
store_picture "$scratch/slide-show.png" "$docs/slide-show.png"
echo "wrote $docs/stand.png and $docs/slide-show.png"
