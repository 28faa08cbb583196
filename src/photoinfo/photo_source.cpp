#include "photoinfo/photo_source.h"

namespace quillory {

std::vector<PropertyItem> readAllProperties(FileSystem& files, const Text& path) {
    const std::unique_ptr<ByteSource> source = files.openForReading(path);
    if (!source) return {};
    return readPropertyItems(*source);
}

PhotoInfo gatherPhotoInfo(const PhotoServices& services, const PhotoSourceRequest& request, PathDisplay pathDisplay) {
    PhotoInfo info;
    if (request.gdiplusActive) info.items = readAllProperties(services.files, request.pictureFile);
    info.fileWriteTime = readFileWriteTime(services.files, services.clock, request.pictureFile);
    info.picture = request.picture;
    info.pictureFile = request.pictureFile;
    info.pageFile = request.pageFile;
    info.codePage = &services.codePage;
    info.pathDisplay = std::move(pathDisplay);
    return info;
}

}  // namespace quillory
