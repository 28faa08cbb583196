#include "stand/slide_step.h"

#include <algorithm>

#include "base/random_draw.h"
#include "stand/current_page.h"

namespace quillory {

namespace {

constexpr unsigned OrderRandom = 0, OrderForward = 1, OrderReverse = 2;

// Enough draws that a fair source practically never runs out (with three pictures, two in
// three draws are excluded), few enough that a stuck source cannot hang the window.
constexpr int kRandomDraws = 64;

std::int64_t randomNumber(std::int64_t total, std::int64_t current, std::int64_t last, Random& random) {
    const auto isFree = [&](std::int64_t number) { return number != current && number != last; };
    for (int draw = 0; draw < kRandomDraws; ++draw) {
        const auto number = static_cast<std::int64_t>(randomDraw(random) % static_cast<std::uint64_t>(total));
        if (isFree(number)) return number;
    }
    std::int64_t number = 0;
    while (!isFree(number)) ++number;  // at most two numbers are taken, and total is at least 3
    return number;
}

// Random order draws once per step, early or at the step; a number drawn early stands while the
// pictures and the exclusions still allow it.
std::int64_t randomChoice(std::int64_t total, std::int64_t current, SlideStepState& state, Random& random) {
    const std::optional<std::int64_t> drawn = state.drawnNext;
    if (drawn && *drawn < total && *drawn != current && *drawn != state.LastSlideNumber) return *drawn;
    state.drawnNext = randomNumber(total, current, state.LastSlideNumber, random);
    return *state.drawnNext;
}

std::int64_t nextNumber(unsigned order, std::int64_t total, std::int64_t current, SlideStepState& state, Random& random) {
    switch (order) {
        case OrderRandom: return randomChoice(total, current, state, random);
        case OrderForward: return current + 1;
        case OrderReverse: return current - 1;
        default: return state.LastSlideNumber;
    }
}

std::int64_t wrapped(std::int64_t number, std::int64_t total) {
    if (number < 0) return std::max<std::int64_t>(total - 1, 0);
    return number >= total ? 0 : number;
}

std::int64_t fileNumOf(const Album& album, int page) {
    return std::max<std::int64_t>(album.pages[static_cast<std::size_t>(page)].FileNum, 0);
}

std::int64_t picturesBefore(const Album& album, int endPage) {
    std::int64_t count = 0;
    for (int page = 0; page < endPage; ++page) count += isVisiblePage(album, page) ? fileNumOf(album, page) : 0;
    return count;
}

// A number no Page holds (no pictures at all) shows the first tab's Page from its start.
PicturePosition positionOf(const Album& album, std::int64_t number) {
    return pictureAt(album, number).value_or(PicturePosition{tabToPage(album, 0), 0});
}

unsigned orderOf(const Album& album, std::int64_t total) {
    // Below three pictures a random choice could find no number free of both exclusions.
    return total <= 2 ? OrderForward : SlideOrder.get(album.settings.SlideStyle);
}

// The number the next step would show, before pictures that cannot be shown are passed over.
std::int64_t chosenNumber(const Album& album, SlideStepState& state, Random& random) {
    const std::int64_t total = visiblePictureTotal(album);
    return wrapped(nextNumber(orderOf(album, total), total, currentPictureNumber(album), state, random), total);
}

// From the chosen number on, in the show's direction, the first picture that can be shown; each
// picture is tried once.
std::optional<std::int64_t> showableNumber(const Album& album, std::int64_t number, const SlideShowable& showable) {
    if (!showable) return number;
    const std::int64_t total = visiblePictureTotal(album);
    const std::int64_t direction = orderOf(album, total) == OrderReverse ? -1 : 1;
    for (std::int64_t tried = 0; tried < std::max<std::int64_t>(total, 1); ++tried) {
        if (showable(positionOf(album, number))) return number;
        number = wrapped(number + direction, total);
    }
    return std::nullopt;
}

}  // namespace

std::int64_t visiblePictureTotal(const Album& album) {
    return picturesBefore(album, static_cast<int>(album.pages.size()));
}

std::int64_t currentPictureNumber(const Album& album) {
    const int page = std::clamp(album.currentPage, 0, static_cast<int>(album.pages.size()) - 1);
    return picturesBefore(album, page) + album.pages[static_cast<std::size_t>(page)].FolderFileNo;
}

std::optional<SlideTarget> stepSlide(Album& album, SlideStepState& state, int& frontSurface, Random& random,
                                     const SlideShowable& showable) {
    if (album.pages.empty()) return std::nullopt;
    const std::optional<std::int64_t> shown = showableNumber(album, chosenNumber(album, state, random), showable);
    state.drawnNext.reset();
    if (!shown) return std::nullopt;
    const std::int64_t number = *shown;
    const PicturePosition position = positionOf(album, number);

    frontSurface = 1 - frontSurface;
    const int previousTab = currentTab(album);
    makePageCurrent(album, position.page);
    if (PageSettings* page = currentPageOf(album)) page->FolderFileNo = position.index;
    state.LastSlideNumber = number;
    return SlideTarget{position, number, currentTab(album) != previousTab};
}

std::optional<PicturePosition> upcomingSlide(const Album& album, SlideStepState& state, Random& random,
                                             const SlideShowable& showable) {
    if (album.pages.empty()) return std::nullopt;
    const std::optional<std::int64_t> shown = showableNumber(album, chosenNumber(album, state, random), showable);
    if (!shown) return std::nullopt;
    return positionOf(album, *shown);
}

}  // namespace quillory
