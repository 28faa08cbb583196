#pragma once
// Keyboard tab navigation: stepping with wrap-around, and the main page Alt+M goes to.

namespace quillory {

struct Album;

// `tabNumber` moved by `step`, wrapping past either end of `tabCount` tabs.
int steppedTabNumber(int tabNumber, int step, int tabCount);

// The first page, visible or not, that carries FlagMainPage; page 0 when none does.
int mainPageIndex(const Album& album);

}  // namespace quillory
