#pragma once
// What the program's own message box is asked to show.
#include <cstdint>

#include "base/text.h"

namespace quillory {

struct MessageRequest {
    // 0: OK and キャンセル; anything else (callers pass 4 and 0x104): はい and いいえ.
    std::uint32_t kind = 0;
    std::uint16_t reserved = 0;
    Text title;
    Text text;  // its line breaks are kept

    bool asksYesNo() const { return kind != 0; }
};

}  // namespace quillory
