#!/usr/bin/env python3
"""Makes the sample album the run command opens when it is given none.

Pictures are drawn with ImageMagick and tagged with ExifTool (shooting date, camera, exposure,
GPS position and direction, author), so the photo information has something to show. The album
file is written exactly as Quillory writes one: UTF-16LE with a byte-order mark, ";Quillory", a
blank line before each section, the keys in the program's order, CR LF line ends.

Usage: sample_album.py FOLDER   (prints the album file's path; reuses an album already made)
"""

import pathlib
import subprocess
import sys

ALBUM_NAME = "Sample.qalbum"
FOLDER_FLAG = 0x10000000
# Label, comment, file name, date, camera, exposure, GPS, direction and author shown; fit the shorter side.
PHOTO_FLAG = 0x10 | 0x20 | 0x40 | 0x80 | 0x100 | 0x200 | 0x400 | 0x800 | 0x10000
WIDTH, HEIGHT = 960, 640


def draw(path, sky, ground, sun, shapes):
    """A landscape: a sky gradient, a sun and ground shapes."""
    subprocess.run(
        ["convert", "-size", f"{WIDTH}x{HEIGHT}", f"gradient:{sky[0]}-{sky[1]}",
         "-fill", sun[0], "-draw", f"circle {sun[1]},{sun[2]} {sun[1]},{sun[2] - sun[3]}",
         "-fill", ground, "-draw", shapes,
         "-quality", "82", str(path)],
        check=True)


SHOTS = [
    # file, sky, ground, sun (colour, x, y, radius), ground shape, date, GPS lat, lon, alt, direction
    ("sunset.jpg", ("#ff7e5f", "#feb47b"), "#2b2d42", ("#fff1c1", 480, 430, 90),
     "polygon 0,640 0,500 240,450 520,520 760,470 960,510 960,640",
     "2024:05:03 18:42:10", 35.3606, 138.7274, 812, 245.5),
    ("lake.jpg", ("#74ebd5", "#2f80ed"), "#1e3d59", ("#ffffff", 760, 140, 50),
     "polygon 0,640 0,430 180,330 360,420 560,300 800,410 960,360 960,640",
     "2024:08:15 10:05:33", 36.2048, 137.2529, 1502, 12.0),
    ("blossom.jpg", ("#fbd3e9", "#bb377d"), "#5b2a4c", ("#fff5fb", 200, 180, 70),
     "ellipse 480,700 620,200 0,360",
     "2025:04:01 13:20:00", 35.0116, 135.7681, 48, 90.25),
]
TRIP = [
    ("01-harbour.jpg", ("#89f7fe", "#66a6ff"), "#204051", ("#ffffff", 150, 120, 45),
     "rectangle 0,480 960,640", "2024:10:20 09:12:45", 34.6937, 135.5023, 5, 180.0),
    ("02-hills.jpg", ("#d4fc79", "#96e6a1"), "#3b6b35", ("#fffbe0", 820, 110, 60),
     "polygon 0,640 0,380 300,300 600,400 960,320 960,640", "2024:10:21 14:30:02", 34.9858, 135.7588, 210, 300.5),
    ("03-night.jpg", ("#141e30", "#243b55"), "#0b0f1a", ("#f4f1c9", 700, 160, 40),
     "polygon 0,640 0,520 120,520 120,430 200,430 200,500 330,500 330,380 420,380 420,520 960,520 960,640",
     "2024:10:21 21:47:19", 34.9671, 135.7727, 60, 45.0),
]


def tag(path, date, latitude, longitude, altitude, direction):
    subprocess.run(
        ["exiftool", "-q", "-overwrite_original",
         f"-DateTimeOriginal={date}", "-Make=Quillory", "-Model=Sample Camera QS-1",
         "-ExposureTime=1/250", "-FNumber=5.6", "-ISO=200", "-FocalLength=35",
         f"-GPSLatitude={latitude}", "-GPSLatitudeRef=N",
         f"-GPSLongitude={longitude}", "-GPSLongitudeRef=E",
         f"-GPSAltitude={altitude}", "-GPSAltitudeRef=0",
         f"-GPSImgDirection={direction}", "-GPSImgDirectionRef=T",
         "-Artist=Quillory sample", str(path)],
        check=True)


def make_pictures(folder):
    for shots, where in ((SHOTS, folder), (TRIP, folder / "trip")):
        where.mkdir(parents=True, exist_ok=True)
        for name, sky, ground, sun, shapes, date, latitude, longitude, altitude, direction in shots:
            draw(where / name, sky, ground, sun, shapes)
            tag(where / name, date, latitude, longitude, altitude, direction)


def windows_path(path):
    """The path as Wine's Z: drive shows it."""
    return "Z:" + str(path).replace("/", "\\")


def main_section(page_count):
    keys = [("xPosi", 180), ("yPosi", 270), ("xSize", 580), ("ySize", 350), ("TabStyle", 78080),
            ("TabNumber", 0), ("PageCount", page_count), ("LayerWindowLevel", 192),
            ("TabFontName", "ＭＳ Ｐゴシック"), ("TabFontSize", 12), ("SlideStyle", 8707), ("SlideInterval", 23)]
    for entry in range(1, 9):
        keys += [(f"HistoryFileNumber{entry:02d}", -1), (f"HistoryFileName{entry:02d}", "")]
    return keys


def page_section(label, comment_lines, file, flag, file_num):
    keys = [("PageVer", 100), ("Label", label)]
    keys += [(f"Comment{index:03d}", line) for index, line in enumerate(comment_lines)]
    keys += [("Comment", len(comment_lines)), ("Flag", flag), ("FontName", "MS UI Gothic"), ("FontSize", 13),
             ("FontStyle", 1), ("FontColor", 8224), ("FontColorBk", 15263976), ("FontColor2", 15263976),
             ("FontColorBk2", 15263976), ("FontAlpha", 192), ("File", file), ("FileNum", file_num),
             ("FolderFileNo", 0), ("PhotoFlag", PHOTO_FLAG)]
    return keys


def album_text(pictures):
    pages = [
        ("夕焼け", ["海辺の夕焼け", "Sunset by the sea"], windows_path(pictures / "sunset.jpg"), 0, 1),
        ("旅行", ["秋の旅行", "Autumn trip"], windows_path(pictures / "trip") + "\\", FOLDER_FLAG, len(TRIP)),
        ("湖", ["山の湖"], windows_path(pictures / "lake.jpg"), 0, 1),
        ("花", ["春の花"], windows_path(pictures / "blossom.jpg"), 0, 1),
    ]
    sections = [("Quillory", main_section(len(pages)))]
    sections += [(f"Page{number}", page_section(*page)) for number, page in enumerate(pages, start=1)]
    text = ";Quillory\r\n"
    for name, keys in sections:
        text += f"\r\n[{name}]\r\n" + "".join(f"{key}={value}\r\n" for key, value in keys)
    return text


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = pathlib.Path(sys.argv[1]).absolute()
    album = folder / ALBUM_NAME
    if not album.exists():
        pictures = folder / "pictures"
        make_pictures(pictures)
        album.write_bytes(b"\xff\xfe" + album_text(pictures).encode("utf-16-le"))
    print(album)


if __name__ == "__main__":
    main()
