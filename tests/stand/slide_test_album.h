#pragma once
// Albums for the slide-show tests, described Page by Page.
#include <initializer_list>

#include "album/album.h"

namespace quillory::testing {

struct PageSketch {
    int pictures = 1;  // FileNum; a folder Page when `folder` is set
    bool folder = false;
    bool unmarked = false;
    const char16_t* label = u"";
};

inline Album slideAlbum(std::initializer_list<PageSketch> sketches, std::uint32_t tabStyle = 0) {
    Album album;
    album.settings.TabStyle = tabStyle;
    for (const PageSketch& sketch : sketches) {
        PageSettings page;
        page.Label = sketch.label;
        page.FileNum = sketch.pictures;
        page.Flag = (sketch.folder ? FlagFolder : 0u) | (sketch.unmarked ? FlagUnmarked : 0u);
        album.pages.push_back(page);
    }
    return album;
}

// A file Page, a folder Page of four pictures and a file Page: six pictures.
inline Album sixPicturesOnThreePages() {
    return slideAlbum({{1, false, false, u"Home"}, {4, true, false, u"Trip"}, {1, false, false, u"Cat"}});
}

}  // namespace quillory::testing
