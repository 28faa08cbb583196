#!/bin/sh
# Makes the small pictures the photo information tests read, with ImageMagick and ExifTool:
# every tag the program reads, in both byte orders and in the JPEG, TIFF, PNG, WebP and HEIC
# containers, plus pictures without any metadata. Run from anywhere; writes tests/fixtures/photoinfo/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/tests/fixtures/photoinfo"
config="$out/lens_extra.config"
mkdir -p "$out"
cd "$out"

picture() {  # picture FILE [convert options…]: a tiny picture without text chunks or dates
    file=$1; shift
    convert -size 8x6 gradient:red-blue "$@" +set date:create +set date:modify -define png:exclude-chunks=date,time,tEXt,zTXt "$file"
}

tag() {  # tag FILE [exiftool assignments…]
    file=$1; shift
    exiftool -config "$config" -q -q -overwrite_original -n "$@" "$file"
}

every_tag() {  # every_tag FILE LATREF LONGREF [more exiftool options…]
    file=$1 latitudeRef=$2 longitudeRef=$3; shift 3
    tag "$file" "$@" \
        -EXIF:Make="Quillory Optics" -EXIF:Model="QX-1 Mark II" -EXIF:Software="Darkroom 3.1" \
        -EXIF:ModifyDate="2024:02:29 08:15:00" -EXIF:LensExtra="Adapter B" -EXIF:Artist="Aoi Sato" \
        -EXIF:Copyright="(c) 2023 Aoi Sato" -EXIF:ExposureTime=0.004 -EXIF:FNumber=2.8 \
        -EXIF:ExposureProgram=3 -EXIF:ISO=400 -EXIF:DateTimeOriginal="2023:05:07 14:03:09" \
        -EXIF:ExposureCompensation=-0.3333333333 -EXIF:MeteringMode=5 -EXIF:LightSource=1 \
        -EXIF:FocalLength=35.2 -EXIF:ColorSpace=1 -EXIF:FocalLengthIn35mmFormat=50 \
        -EXIF:LensModel="QX 35mm F2.8" \
        -GPS:GPSLatitudeRef="$latitudeRef" -GPS:GPSLatitude=35.658102778 -GPS:GPSLongitudeRef="$longitudeRef" \
        -GPS:GPSLongitude=139.741700000 -GPS:GPSAltitude=35.2 -GPS:GPSImgDirection=22.5
}

picture full_le.jpg -quality 50
every_tag full_le.jpg N E -ExifByteOrder=II

picture full_be.tif -define tiff:endian=msb -compress none -depth 8
every_tag full_be.tif S W

picture full.png
every_tag full.png N W

picture full.webp -quality 50
every_tag full.webp S E

picture full.heic -quality 50
every_tag full.heic N W

picture no_exif.jpg -quality 50
picture no_exif.png
