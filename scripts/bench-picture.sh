#!/usr/bin/env bash
# Makes the benchmark's 6000 x 4000 JPEG (kept outside the repository) and prints its path.
# A smooth gradient with coloured noise, so the decoder and the scaler do real work.
set -euo pipefail

readonly dir="${QUILLORY_BENCH_DIR:-/var/tmp/quillory-bench}"
readonly picture="$dir/page-6000x4000.jpg"
mkdir -p "$dir"
if [[ ! -f "$picture" ]]; then
    convert -size 6000x4000 gradient:'#3060a0-#e0c080' \
        \( -size 6000x4000 xc: +noise Random -channel RGB -evaluate multiply 0.25 \) \
        -compose plus -composite -quality 90 "$picture"
fi
echo "$picture"
