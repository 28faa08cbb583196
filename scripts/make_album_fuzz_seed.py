#!/usr/bin/env python3
"""Writes an album of a few megabytes for the album fuzz targets: Pages past the Page cap and one
section of 60,000 keys, one of them standing twice. The fuzzers' own inputs stay small, so without
it no input ever has as many keys or Pages as a hand-edited album can. Usage: make_album_fuzz_seed.py FILE"""
import sys

PAGES = 1050
KEYS = 60000


def album():
    lines = [";Quillory", "", "[Quillory]", "TabStyle=78080", "TabNumber=3", f"PageCount={PAGES}"]
    for page in range(1, PAGES + 1):
        lines += ["", f"[Page{page}]", "PageVer=100", f"Label=Page{page}", "Comment=1",
                  f"Comment000=Page{page} comment", "Flag=0", f"File=%Pictures%p{page}.jpg", "PhotoFlag=65728"]
    lines += ["", "[Notes]"]
    lines += [f"Note{key}=kept {key}" for key in range(KEYS)]
    lines += ["note17=the second of a key"]
    return "\r\n".join(lines) + "\r\n"


with open(sys.argv[1], "wb") as out:
    out.write(b"\xff\xfe" + album().encode("utf-16-le"))
