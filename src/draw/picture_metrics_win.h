#pragma once
// The picture-size numbers of a decoded image or of a plain bitmap.
#include <windows.h>

#include "draw/gdiplus_win.h"
#include "photoinfo/photo_format.h"

namespace quillory {

// From the decoder's image, from a plain bitmap, or none.
PictureMetrics pictureMetrics(gp::GpImage* image);
PictureMetrics pictureMetrics(HBITMAP bitmap);

}  // namespace quillory
