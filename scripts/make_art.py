#!/usr/bin/env python3
"""Draws Quillory's own icons, bitmaps and cursor into res/art/ (run once; the results are committed).

Everything is drawn from simple shapes so the set stays consistent: a warm wooden stand frame
holding a picture of a blue sky, a green hill and a sun.
"""
import struct
import sys
from pathlib import Path

ART = Path(__file__).resolve().parent.parent / "res" / "art"

WOOD = (150, 96, 52, 255)
WOOD_DARK = (96, 58, 28, 255)
SKY = (120, 180, 235, 255)
HILL = (70, 150, 70, 255)
SUN = (250, 210, 60, 255)
CLEAR = (0, 0, 0, 0)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.size, y1)):
            for x in range(max(0, x0), min(self.size, x1)):
                self.pixels[y][x] = colour

    def disc(self, cx, cy, r, colour):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.pixels[y][x] = colour

    def hill(self, x0, y0, x1, y1, colour):
        """A rounded hill filling the bottom of the box (x0, y0)-(x1, y1)."""
        cx, w, h = (x0 + x1) / 2, (x1 - x0) / 2, y1 - y0
        for y in range(y0, y1):
            for x in range(x0, x1):
                if ((x + 0.5 - cx) / w) ** 2 + ((y1 - y - 0.5) / h - 1) ** 2 <= 1.4 or y > y1 - h / 3:
                    self.pixels[y][x] = colour


def photo_stand(size):
    c = Canvas(size)
    s = size / 32
    def px(v):
        return int(round(v * s))
    c.rect(px(3), px(4), px(29), px(25), WOOD_DARK)
    c.rect(px(4), px(5), px(28), px(24), WOOD)
    c.rect(px(6), px(7), px(26), px(22), SKY)
    c.disc(px(20), px(11), max(1.5, 2.5 * s), SUN)
    c.hill(px(6), px(14), px(26), px(22), HILL)
    c.rect(px(8), px(25), px(11), px(29), WOOD_DARK)
    c.rect(px(21), px(25), px(24), px(29), WOOD_DARK)
    return c


def dib(canvas, with_mask):
    """A 32-bit bottom-up DIB (header + pixels [+ AND mask]) as icons and cursors store it."""
    n = canvas.size
    height = n * 2 if with_mask else n
    header = struct.pack("<IiiHHIIiiII", 40, n, height, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = bytearray()
    for y in reversed(range(n)):
        for (r, g, b, a) in canvas.pixels[y]:
            rows += bytes((b, g, r, a))
    if with_mask:
        stride = ((n + 31) // 32) * 4
        for y in reversed(range(n)):
            bits = bytearray(stride)
            for x, (_, _, _, a) in enumerate(canvas.pixels[y]):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            rows += bits
    return header + bytes(rows)


def write_icon(path, canvases, cursor_hotspot=None):
    kind = 2 if cursor_hotspot else 1
    images = [dib(c, True) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        planes, bits = cursor_hotspot if cursor_hotspot else (1, 32)
        out += struct.pack("<BBBBHHII", c.size % 256, c.size % 256, 0, 0, planes, bits, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    path.write_bytes(bytes(out))


def write_bitmap(path, canvas, background=(240, 240, 240, 255)):
    write_strip(path, [canvas], background)


def write_strip(path, canvases, background=(240, 240, 240, 255)):
    """A 24-bit BMP of equal square canvases side by side, the transparent parts filled by the
    button-face grey (a toolbar's image strip is one such row)."""
    n = canvases[0].size
    width = n * len(canvases)
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(n)):
        row = bytearray()
        for canvas in canvases:
            for (r, g, b, a) in canvas.pixels[y]:
                r, g, b = (r, g, b) if a else background[:3]
                row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, n, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    path.write_bytes(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows)


def hand_cursor():
    c = Canvas(32)
    black, white = (0, 0, 0, 255), (255, 255, 255, 255)
    # A pointing hand: finger up from (6, 0), palm below it.
    c.rect(5, 0, 10, 16, black)
    c.rect(6, 1, 9, 16, white)
    c.rect(5, 10, 22, 26, black)
    c.rect(6, 11, 21, 25, white)
    for x in (10, 14, 18):
        c.rect(x, 11, x + 1, 17, black)
    return c


def menu_program():
    return photo_stand(16)


def menu_page(colour):
    """A sheet of paper with a folded corner, tinted for the kind of page list."""
    c = Canvas(16)
    c.rect(3, 1, 13, 15, WOOD_DARK)
    c.rect(4, 2, 12, 14, (255, 255, 255, 255))
    c.rect(5, 5, 11, 6, colour)
    c.rect(5, 8, 11, 9, colour)
    c.rect(5, 11, 9, 12, colour)
    return c


def menu_new_page():
    c = menu_page(SKY)
    green = (40, 150, 40, 255)
    c.rect(9, 9, 16, 12, green)
    c.rect(11, 7, 14, 14, green)
    return c


def menu_settings():
    """A cog: a ring with four teeth."""
    c = Canvas(16)
    grey = (90, 100, 115, 255)
    c.disc(8, 8, 5.5, grey)
    for x0, y0, x1, y1 in ((7, 0, 9, 16), (0, 7, 16, 9)):
        c.rect(x0, y0, x1, y1, grey)
    c.disc(8, 8, 2.2, CLEAR)
    return c


def menu_page_settings():
    """A pencil over a page."""
    c = menu_page(SKY)
    for i in range(8):
        c.rect(6 + i, 13 - i, 8 + i, 15 - i, SUN)
    c.rect(5, 14, 7, 16, WOOD_DARK)
    return c


def folder_arrow(forward):
    """The FolderBar's step buttons: a sky-blue arrowhead with a dark rim, pointing forward
    (right) or back (left)."""
    c = Canvas(16)
    for x in range(3, 14):
        reach = 14 - x  # half the column's height, largest at the arrow's base
        for y in range(8 - reach // 2 - 1, 8 + reach // 2 + 1):
            inside = x > 3 and x < 13 and abs(y + 0.5 - 8) < reach / 2 - 0.5
            c.pixels[y][x if forward else 15 - x] = SKY if inside else WOOD_DARK
    return c


INK = (50, 60, 80, 255)
PAPER = (255, 255, 255, 255)


def panel_contents():
    """Page settings, contents: a labelled sheet with a tag."""
    c = Canvas(24)
    c.rect(4, 2, 20, 22, WOOD_DARK)
    c.rect(5, 3, 19, 21, PAPER)
    c.rect(7, 6, 17, 8, INK)
    for y in (11, 14, 17):
        c.rect(7, y, 16, y + 1, SKY)
    c.rect(14, 15, 22, 20, SUN)
    c.rect(15, 16, 16, 17, WOOD_DARK)
    return c


def panel_image_info():
    """Picture information: an "i" in a blue disc."""
    c = Canvas(24)
    c.disc(12, 12, 10.5, (40, 110, 200, 255))
    c.disc(12, 12, 9, (70, 140, 225, 255))
    c.rect(11, 5, 14, 8, PAPER)
    c.rect(11, 10, 14, 19, PAPER)
    c.rect(9, 18, 16, 20, PAPER)
    return c


def panel_display_size():
    """Display size: a small picture inside a frame, with corner arrows pointing outwards."""
    c = Canvas(24)
    c.rect(1, 3, 23, 21, WOOD_DARK)
    c.rect(2, 4, 22, 20, PAPER)
    c.rect(7, 8, 17, 16, SKY)
    c.disc(14, 10.5, 1.5, SUN)
    c.hill(7, 11, 17, 16, HILL)
    for x, y, dx, dy in ((3, 5, 1, 1), (20, 5, -1, 1), (3, 18, 1, -1), (20, 18, -1, -1)):
        for i in range(3):
            c.rect(x + dx * i, y, x + dx * i + 1, y + 1, INK)
            c.rect(x, y + dy * i, x + 1, y + dy * i + 1, INK)
    return c


def panel_text():
    """Text: a bold letter A with an outline, as the overlay draws it."""
    c = Canvas(24)
    red = (200, 50, 40, 255)
    for y in range(3, 22):
        half = (y - 3) * 8 // 19
        c.rect(12 - half - 3, y, 12 - half, y + 1, red)
        c.rect(12 + half, y, 12 + half + 3, y + 1, red)
    c.rect(8, 14, 16, 17, red)
    c.rect(2, 21, 22, 22, INK)
    return c


def panel_colour():
    """Colours: three overlapping paint discs."""
    c = Canvas(24)
    c.disc(9, 9, 6, (220, 60, 60, 255))
    c.disc(15, 9, 6, (60, 170, 70, 255))
    c.disc(12, 15, 6, (60, 90, 220, 255))
    c.disc(12, 11, 1.5, PAPER)
    return c


def general_panel():
    """General settings, general: a window with its tabs along the top."""
    c = Canvas(24)
    c.rect(2, 4, 22, 21, WOOD_DARK)
    c.rect(3, 8, 21, 20, PAPER)
    c.rect(3, 5, 9, 8, SKY)
    c.rect(10, 5, 16, 8, PAPER)
    c.rect(5, 11, 19, 12, INK)
    c.rect(5, 14, 15, 15, INK)
    return c


def slide_show_panel():
    """Slide show: a frame with a play triangle."""
    c = Canvas(24)
    c.rect(2, 3, 22, 21, WOOD_DARK)
    c.rect(3, 4, 21, 20, SKY)
    green = (40, 150, 70, 255)
    for y in range(7, 18):
        half = 5 - abs(y - 12)
        c.rect(9, y, 10 + half * 2, y + 1, green)
    return c


def page_list_panel():
    """Pages: three stacked sheets with check marks."""
    c = Canvas(24)
    for i, y in enumerate((3, 10, 17)):
        c.rect(3, y, 21, y + 5, WOOD_DARK)
        c.rect(4, y + 1, 20, y + 4, PAPER)
        c.rect(6, y + 2, 8, y + 3, (40, 150, 70, 255) if i != 1 else INK)
        c.rect(10, y + 2, 18, y + 3, INK)
    return c


def other_panel():
    """Other settings: a gear."""
    c = Canvas(24)
    grey = (110, 115, 125, 255)
    for dx, dy in ((0, -8), (0, 8), (-8, 0), (8, 0), (-6, -6), (6, 6), (-6, 6), (6, -6)):
        c.disc(12 + dx, 12 + dy, 2.5, grey)
    c.disc(12, 12, 7, grey)
    c.disc(12, 12, 3, PAPER)
    return c


def arrow(up):
    """The page list's move buttons: a blue arrow pointing up or down."""
    c = Canvas(16)
    blue = (40, 100, 200, 255)
    for i in range(6):
        y = 2 + i if up else 13 - i
        c.rect(8 - i - 1, y, 8 + i + 1, y + 1, blue)
    c.rect(6, 8 if up else 2, 10, 14 if up else 8, blue)
    return c


def background_tile():
    """A quiet 48 x 48 linen tile for the stand window's background."""
    c = Canvas(48)
    for y in range(48):
        for x in range(48):
            shade = 228 + (3 if (x * 7 + y * 3) % 11 < 4 else 0) - (3 if (x * 5 + y * 9) % 13 < 3 else 0)
            c.pixels[y][x] = (shade, shade - 2, shade - 8, 255)
    return c


def main():
    ART.mkdir(parents=True, exist_ok=True)
    write_icon(ART / "quillory.ico", [photo_stand(32), photo_stand(16), photo_stand(48)])
    write_icon(ART / "handcur.cur", [hand_cursor()], cursor_hotspot=(7, 0))
    write_bitmap(ART / "background.bmp", background_tile())
    write_bitmap(ART / "menu_program.bmp", menu_program())
    write_bitmap(ART / "menu_marked_pages.bmp", menu_page((200, 80, 60, 255)))
    write_bitmap(ART / "menu_all_pages.bmp", menu_page((60, 90, 200, 255)))
    write_bitmap(ART / "menu_new_page.bmp", menu_new_page())
    write_bitmap(ART / "menu_general_settings.bmp", menu_settings())
    write_bitmap(ART / "menu_current_page.bmp", menu_page(HILL))
    write_bitmap(ART / "menu_page_settings.bmp", menu_page_settings())
    write_icon(ART / "folder_next.ico", [folder_arrow(True)])
    write_icon(ART / "folder_back.ico", [folder_arrow(False)])
    write_strip(ART / "page_settings_panels.bmp",
                [panel_contents(), panel_image_info(), panel_display_size(), panel_text(), panel_colour()])
    write_strip(ART / "general_settings_panels.bmp",
                [general_panel(), slide_show_panel(), page_list_panel(), other_panel()])
    write_icon(ART / "move_up.ico", [arrow(True)])
    write_icon(ART / "move_down.ico", [arrow(False)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
