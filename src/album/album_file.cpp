#include "album/album_file.h"

namespace quillory {

AlbumFile::AlbumFile(Text path, FileSystem& files, CodePage& codePage, SpecialFolders& folders)
    : path_(std::move(path)), files_(files), codePage_(codePage), folders_(folders) {}

void AlbumFile::loadAlbum(Album&) {}
void AlbumFile::loadPage(Album&, int, bool) {}
void AlbumFile::savePage(const Album&, int, unsigned) {}
void AlbumFile::saveAlbumSettings(const Album&, bool) {}

AlbumFile::Batch::Batch(AlbumFile& file) : file_(file) { ++file_.batchDepth_; }
AlbumFile::Batch::~Batch() { --file_.batchDepth_; }

}  // namespace quillory
