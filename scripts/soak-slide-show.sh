#!/usr/bin/env bash
# The slide show's long run (not a test, not part of CI): STEPS steps (default 2000) over a folder
# Page of 500 pictures of 1.2 to 1.5 megapixels, under Wine on a virtual display. Prints the
# process's GDI and USER objects and its private memory after a warm-up and after the last step;
# none of them may grow. The pictures are made once, outside the repository.
# Usage: scripts/soak-slide-show.sh [STEPS]
set -euo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly steps="${1:-2000}"
readonly dir="${QUILLORY_SOAK_DIR:-/var/tmp/quillory-soak}"
readonly pictures="$dir/pictures"
readonly build="$root/build/windows"
cd "$root"

make_pictures() {
    local shape size index
    [[ $(find "$pictures" -name '*.jpg' 2>/dev/null | wc -l) -eq 500 ]] && return
    mkdir -p "$pictures"
    # Five shapes, landscape and portrait, repeated under 500 names: every step decodes a file.
    shape=0
    for size in 1280x960 960x1280 1600x900 1200x1200 1000x1500; do
        convert -size "$size" gradient:"#30$((shape * 2))0a0-#e0c0$((shape * 1))0" \
            \( -size "$size" xc: +noise Random -channel RGB -evaluate multiply 0.1 \) \
            -compose plus -composite -quality 85 "$dir/shape$shape.jpg"
        shape=$((shape + 1))
    done
    for index in $(seq 0 499); do
        cp "$dir/shape$((index % 5)).jpg" "$(printf '%s/IMG_%04d.jpg' "$pictures" "$index")"
    done
}

# One folder Page shown in order, the quickest transition, an interval of one tick.
write_album() {
    local folder
    folder="$(winepath -w "$pictures")\\"
    printf '\r\n[Quillory]\r\nPageCount=1\r\nTabStyle=0\r\nSlideStyle=17\r\nSlideInterval=1\r\n' > "$dir/soak.txt"
    printf '\r\n[Page1]\r\nPageVer=100\r\nLabel=soak\r\nFlag=268435456\r\nFile=%s\r\nFileNum=500\r\nFolderFileNo=0\r\n' \
        "$folder" >> "$dir/soak.txt"
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$dir/soak.txt"; } > "$dir/soak.qalbum"
}

export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}" CCACHE_BASEDIR="${CCACHE_BASEDIR:-/work}"
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j2 --target slide_show_soak_win >/dev/null
source scripts/lib/wine_session.sh
trap end_wine_session EXIT
start_virtual_display
start_wine
make_pictures
write_album
echo "slide show soak: $steps steps over $pictures (500 pictures)"
QUILLORY_SOAK_STEPS="$steps" wine "$build/bench/win/slide_show_soak_win.exe" "$(winepath -w "$dir/soak.qalbum")"
