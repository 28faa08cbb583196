#pragma once
// Drawing the overlay text: with the decoder (translucent text and outline) or with plain GDI
// (opaque), and the settings dialog's sample of the same look.
#include <windows.h>

#include "album/album.h"
#include "base/geometry.h"
#include "base/text.h"
#include "draw/gdiplus_win.h"
#include "draw/overlay_style.h"

namespace quillory {

LOGFONTW fontRequestOf(const OverlayStyle& style);

// `fontContext` is the context the font request is resolved on (the window's).
void drawOverlayWithGdiPlus(gp::GpGraphics* graphics, HDC fontContext, Size area, const OverlayStyle& style, const Text& text);

void drawOverlayWithGdi(HDC dc, Size area, const OverlayStyle& style, const Text& text);

// The sample area of the settings dialog: the Page's background with the text centred on it.
// Without a text only the background is painted.
void DrawSampleText(HWND window, HDC dc, const Text* text, const PageSettings& page, bool gdiplusActive);

}  // namespace quillory
