// SPDX-License-Identifier: MIT
#include "gfx/StripPlayback.h"
#include "tests/TestSupport.h"

namespace {

const Colour Black = {0, 0, 0};
const Colour Red = {255, 0, 0};

}  // namespace

TEST(MakeRect, KeepsSignsAndWrapsToSixteenBits) {
    EXPECT_EQ(BoxOf(MakeRect(-8, -910, 364, 1390)), (Box{-8, -910, 364, 1390}));
    EXPECT_EQ(BoxOf(MakeRect(70000, 40000, -1, 65536 + 7)),
              (Box{70000 - 65536, 40000 - 65536, 65535, 7}));
}

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

TEST(LoadKeyedImage, ConvertedSurfaceKeepsItsKeyColour) {
    TestScreen display(false);
    SurfacePtr sprite = NewSurface(4, 4, 0xFF00FF);
    SDL_Rect dot = {1, 1, 2, 2};
    SDL_FillRect(sprite.get(), &dot, 0xFFFFFF);
    const Colour paper = {0, 0, 200};
    // The same file through both readers: BMP by name, and SDL_image, which
    // recognises the bytes whatever the name says.
    for (const char* name : {"sprite.bmp", "sprite.png"}) {
        const TempFile file(name);
        ASSERT_EQ(SDL_SaveBMP(sprite.get(), file.path.c_str()), 0);
        SurfacePtr loaded = LoadKeyedImage(file.path.c_str(), 255, 0, 255);

        EXPECT_TRUE(loaded->flags & SDL_SRCCOLORKEY) << name;
        EXPECT_EQ(loaded->format->BitsPerPixel, display.screen->format->BitsPerPixel);
        SDL_FillRect(display.screen, nullptr, SDL_MapRGB(display.screen->format, 0, 0, 200));
        DrawSurface(loaded.get(), display.screen, MakeRect(10, 10, 0, 0));
        EXPECT_EQ(ColourAt(display.screen, 10, 10), paper) << name;
        EXPECT_EQ(ColourAt(display.screen, 11, 11), (Colour{255, 255, 255})) << name;
        EXPECT_EQ(ColourAt(display.screen, 13, 13), paper) << name;
    }
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
        clock.Advance(13);
    }
    // Each sheet frame stays for two 13 ms updates: more than its 20 ms.
    EXPECT_EQ(shown, (std::vector<int>{-1, 0, 0, 1, 1, 2, 2}));

    // A new playback starts with its empty step again, and since the last
    // advance is long past it advances at once.
    clock.Advance(1000);
    playback.Restart();
    SDL_FillRect(display.screen, nullptr, 0);
    playback.Step(display.screen, owner);
    EXPECT_EQ(ColourAt(display.screen, 110, 105), Black);
    EXPECT_EQ(playback.Index(), 1);
}
