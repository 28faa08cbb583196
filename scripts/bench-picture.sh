#!/usr/bin/env bash
# Makes the benchmarks' 6000 x 4000 JPEGs (kept outside the repository) and prints the path of
# the one picture; with "camera", a camera-like one, a 3-megapixel one and the camera-like one as a
# PNG (for the decoders of other formats) and a copy holding a 160 x 107 EXIF thumbnail as a
# camera makes (camera-thumbnail-6000x4000.jpg) beside it; with a
# count, also a folder of that many distinct pictures
# (folder-6000x4000/, for stepping through a folder Page).
# A smooth gradient with coloured noise, so the decoder and the scaler do real work.
set -euo pipefail

readonly dir="${QUILLORY_BENCH_DIR:-/var/tmp/quillory-bench}"
readonly picture="$dir/page-6000x4000.jpg"
readonly count="${1:-0}"
readonly camera_picture="$dir/camera-6000x4000.jpg"
readonly small_picture="$dir/small-2000x1500.jpg"
readonly camera_png="$dir/camera-6000x4000.png"
readonly colours=('#3060a0-#e0c080' '#a03040-#40c0e0' '#208040-#f0e060' '#602080-#80f0a0' '#c06020-#2040c0'
                  '#404040-#f0f0f0' '#00a0a0-#a00060' '#806000-#6080ff')

# make_picture PATH GRADIENT [BLUR QUALITY SIZE]
make_picture() {
    [[ -f "$1" ]] && return 0
    convert -size "${5:-6000x4000}" gradient:"$2" \
        \( -size "${5:-6000x4000}" xc: +noise Random -channel RGB -evaluate multiply 0.25 +channel -blur "0x${3:-0}" \) \
        -compose plus -composite -quality "${4:-90}" "$1"
}

mkdir -p "$dir"
if [[ "$count" == camera ]]; then
    make_picture "$camera_picture" "${colours[0]}" 0.7 92
    make_picture "$small_picture" "${colours[0]}" 0.7 92 2000x1500
    [[ -f "$camera_png" ]] || convert "$camera_picture" "$camera_png"
    if [[ ! -f "$dir/camera-thumbnail-6000x4000.jpg" ]]; then
        convert "$camera_picture" -thumbnail 160x107 -quality 80 -strip "$dir/thumbnail.jpg"
        exiftool -q -o "$dir/camera-thumbnail-6000x4000.jpg" '-ThumbnailImage<='"$dir/thumbnail.jpg" "$camera_picture"
        rm "$dir/thumbnail.jpg"
    fi
    echo "$camera_picture"
    exit 0
fi
make_picture "$picture" "${colours[0]}"
if ((count > 0)); then
    mkdir -p "$dir/folder-6000x4000"
    for ((i = 0; i < count; i++)); do
        make_picture "$(printf '%s/folder-6000x4000/picture-%02d.jpg' "$dir" "$i")" "${colours[i % ${#colours[@]}]}"
    done
fi
echo "$picture"
