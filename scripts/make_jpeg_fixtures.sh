#!/bin/sh
# Makes the small JPEGs the decoder tests read, with ImageMagick: four coloured quadrants, stored
# baseline with 4:2:0 chroma as cameras store them, progressive at an odd size, in grey and in CMYK.
# Run from anywhere; writes tests/fixtures/jpeg/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/tests/fixtures/jpeg"
mkdir -p "$out"

quadrants() {  # quadrants WIDTH HEIGHT FILE [convert options…]: red, green / blue, yellow
    width=$1 height=$2 file=$3; shift 3
    w=$((width / 2)) h=$((height / 2)) rw=$((width - width / 2)) rh=$((height - height / 2))
    convert \( -size "${w}x$h" xc:'#d02020' -size "${rw}x$h" xc:'#20a040' +append \) \
        \( -size "${w}x$rh" xc:'#2040d0' -size "${rw}x$rh" xc:'#f0e060' +append \) \
        -append -strip -quality 92 "$@" "$file"
}

quadrants 128 96 "$out/quadrants.jpg" -sampling-factor 2x2
quadrants 125 93 "$out/quadrants_progressive.jpg" -sampling-factor 2x2 -interlace JPEG
quadrants 32 24 "$out/quadrants_cmyk.jpg" -colorspace CMYK
quadrants 32 24 "$out/quadrants_gray.jpg" -colorspace Gray
