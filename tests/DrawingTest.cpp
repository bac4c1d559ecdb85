// SPDX-License-Identifier: MIT
#include "gfx/StripPlayback.h"
#include "tests/TestSupport.h"

namespace {

const Colour Black = {0, 0, 0};
const Colour Red = {255, 0, 0};

}  // namespace

TEST(DrawSurface, DrawsTheWholeSourceClippedAndIgnoresTheRectangleSize) {
    TestScreen display(false);
    SDL_FillRect(display.screen, nullptr, 0);
    SurfacePtr red = NewSurface(10, 10, 0xFF0000);

    DrawSurface(red.get(), display.screen, MakeRect(-5, -5, 0, 0));
    EXPECT_EQ(ColourAt(display.screen, 0, 0), Red);
    EXPECT_EQ(ColourAt(display.screen, 4, 4), Red);
    EXPECT_EQ(ColourAt(display.screen, 5, 5), Black);

    DrawSurface(red.get(), display.screen, MakeRect(635, 475, 1, 1));
    EXPECT_EQ(ColourAt(display.screen, 639, 479), Red);
    EXPECT_EQ(ColourAt(display.screen, 634, 479), Black);
}

// Played across the wrap of the clock, as a game left running long enough
// plays it: the timing is the same as at any other time.
TEST(StripPlayback, FirstUpdateDrawsNothingAndTheLastSheetFrameNeverShows) {
    TestScreen display(false);
    VirtualPlatform clock(0xFFFFFFD0u);
    clock.Install();
    // Four 8 x 8 cells, each its own shade of red.
    SurfacePtr strip = NewSurface(32, 8);
    for (int cell = 0; cell < 4; ++cell) {
        SDL_Rect r = {static_cast<Sint16>(cell * 8), 0, 8, 8};
        SDL_FillRect(strip.get(), &r, SDL_MapRGB(strip->format, 100 + 50 * cell, 0, 0));
    }
    StripPlayback playback(strip.get(), 8, 8, 4, 20);
    const Rect owner = MakeRect(100, 100, 20, 10);  // centre (110, 105)

    std::vector<int> shown;
    while (!playback.IsOver() && shown.size() < 20) {
        SDL_FillRect(display.screen, nullptr, 0);
        playback.Step(display.screen, owner);
        const Colour centre = ColourAt(display.screen, 110, 105);
        EXPECT_EQ(ColourAt(display.screen, 106, 101), centre);  // cell corner
        shown.push_back(centre.r == 0 ? -1 : (centre.r - 100) / 50);
        clock.Advance(10);
    }
    // Each sheet frame stays for three 10 ms updates: strictly more than its
    // 20 ms.
    EXPECT_EQ(shown, (std::vector<int>{-1, 0, 0, 0, 1, 1, 1, 2, 2, 2}));

    // A new playback starts with its empty step again, and since the last
    // advance is long past it advances at once.
    clock.Advance(1000);
    playback.Restart();
    SDL_FillRect(display.screen, nullptr, 0);
    playback.Step(display.screen, owner);
    EXPECT_EQ(ColourAt(display.screen, 110, 105), Black);
    playback.Step(display.screen, owner);  // at the same moment: sheet frame 0
    EXPECT_EQ(ColourAt(display.screen, 110, 105), (Colour{100, 0, 0}));
}
