#pragma once
// Gathering a PhotoInfo for the picture shown: the one place that reads the file's items and
// write time, so the overlay, the information list and the command-line tool see the same data.
#include "photoinfo/photo_format.h"

namespace quillory {

struct PhotoSourceRequest {
    Text pictureFile;             // full path of the picture shown (CurrentPictureFile)
    Text pageFile;                // full path of the Page's File
    bool gdiplusActive = false;   // GDI+ was started; without it there are no property items
    PictureMetrics picture;
};

struct PhotoServices {
    FileSystem& files;
    Clock& clock;
    CodePage& codePage;
};

PhotoInfo gatherPhotoInfo(const PhotoServices& services, const PhotoSourceRequest& request, PathDisplay pathDisplay = {});

// ReadAllProperties for one file: its items in stored order, empty when it cannot be opened.
std::vector<PropertyItem> readAllProperties(FileSystem& files, const Text& path);

}  // namespace quillory
