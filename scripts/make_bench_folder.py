#!/usr/bin/env python3
"""Makes the benchmark folder of the date ordering once and caches it outside the repository:
5000 JPEGs of 640x480, each with its own DateTimeOriginal, named in an order unrelated to their
dates.

One picture is made with ImageMagick and given a camera-like set of tags and a 160x120 thumbnail
in its Exif segment with ExifTool; the
copies differ only in the date text, patched in place (same length), which keeps making the
folder fast. Usage: make_bench_folder.py [FOLDER] (default /var/tmp/quillory-bench/dates)."""
import os
import random
import subprocess
import sys
import tempfile

COUNT = 5000
PLACEHOLDER = b"2000:01:01 00:00:00"


def base_picture(workdir):
    path = os.path.join(workdir, "base.jpg")
    thumbnail = os.path.join(workdir, "thumbnail.jpg")
    subprocess.run(["convert", "-size", "640x480", "plasma:fractal", "-quality", "70", path], check=True)
    subprocess.run(["convert", path, "-resize", "160x120", "-quality", "70", thumbnail], check=True)
    subprocess.run(["exiftool", "-q", "-q", "-overwrite_original", "-ThumbnailImage<=" + thumbnail,
                    "-Make=Quillory Optics", "-Model=QX-1",
                    "-Software=Bench", "-ExposureTime=1/250", "-FNumber=2.8", "-ISO=200",
                    "-DateTimeOriginal=" + PLACEHOLDER.decode(), "-FocalLength=35",
                    "-GPSLatitudeRef=N", "-GPSLatitude=35.5", "-GPSLongitudeRef=E", "-GPSLongitude=139.5", path],
                   check=True)
    with open(path, "rb") as f:
        data = f.read()
    if data.count(PLACEHOLDER) != 1:
        sys.exit("the date placeholder must appear exactly once in the base picture")
    return data


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/var/tmp/quillory-bench/dates"
    os.makedirs(folder, exist_ok=True)
    existing = [n for n in os.listdir(folder) if n.endswith(".jpg")]
    if len(existing) == COUNT and os.path.getsize(os.path.join(folder, existing[0])) > 20000:
        print(f"{folder}: {COUNT} pictures already there")
        return
    with tempfile.TemporaryDirectory() as workdir:
        data = base_picture(workdir)
    rng = random.Random(20231207)
    for index in range(COUNT):
        date = f"{rng.randint(1990, 2030):04d}:{rng.randint(1, 12):02d}:{rng.randint(1, 28):02d} " \
               f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}:{rng.randint(0, 59):02d}"
        with open(os.path.join(folder, f"IMG_{index:05d}.jpg"), "wb") as f:
            f.write(data.replace(PLACEHOLDER, date.encode()))
    print(f"{folder}: made {COUNT} pictures")


if __name__ == "__main__":
    main()
