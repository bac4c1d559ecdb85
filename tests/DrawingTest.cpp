#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "gfx/Image.h"
#include "gfx/Random.h"
#include "gfx/Rect.h"
#include "gfx/StripPlayback.h"
#include "tests/TestScreen.h"
#include "tools/sim/VirtualPlatform.h"

namespace {

SurfacePtr SolidSurface(int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}

bool IsColour(SDL_Surface* s, int x, int y, Uint8 r, Uint8 g, Uint8 b) {
    Uint8 pr, pg, pb;
    ReadRgb(s, x, y, &pr, &pg, &pb);
    return pr == r && pg == g && pb == b;
}

std::string TempPath(const char* name) {
    return std::string(testing::TempDir()) + "corvanel_" + std::to_string(getpid()) + "_" + name;
}

}  // namespace

TEST(MakeRect, KeepsSignsAndWrapsToSixteenBits) {
    Rect r = MakeRect(-8, -910, 364, 1390);
    EXPECT_EQ(r.x, -8);
    EXPECT_EQ(r.y, -910);
    EXPECT_EQ(r.w, 364);
    EXPECT_EQ(r.h, 1390);

    r = MakeRect(70000, 40000, -1, 65536 + 7);
    EXPECT_EQ(r.x, 70000 - 65536);
    EXPECT_EQ(r.y, 40000 - 65536);
    EXPECT_EQ(r.w, 65535);
    EXPECT_EQ(r.h, 7);

    MoveRect(r, 0, 32767 - r.y + 1);  // one step past the top of the range
    EXPECT_EQ(r.y, -32768);
}

TEST(DrawSurface, DrawsTheWholeSourceClippedAndIgnoresTheRectangleSize) {
    TestScreen display(false);
    SDL_FillRect(display.screen, nullptr, 0);
    SurfacePtr red = SolidSurface(10, 10, 255, 0, 0);

    DrawSurface(red.get(), display.screen, MakeRect(-5, -5, 0, 0));
    EXPECT_TRUE(IsColour(display.screen, 0, 0, 255, 0, 0));
    EXPECT_TRUE(IsColour(display.screen, 4, 4, 255, 0, 0));
    EXPECT_TRUE(IsColour(display.screen, 5, 5, 0, 0, 0));

    DrawSurface(red.get(), display.screen, MakeRect(635, 475, 1, 1));
    EXPECT_TRUE(IsColour(display.screen, 639, 479, 255, 0, 0));
    EXPECT_TRUE(IsColour(display.screen, 634, 479, 0, 0, 0));
}

TEST(LoadKeyedImage, ConvertedSurfaceKeepsItsKeyColour) {
    TestScreen display(false);
    SurfacePtr sprite = SolidSurface(4, 4, 255, 0, 255);
    Uint32 white = SDL_MapRGB(sprite->format, 255, 255, 255);
    SDL_Rect dot = {1, 1, 2, 2};
    SDL_FillRect(sprite.get(), &dot, white);
    // The same file through both readers: BMP by name, and SDL_image, which
    // recognises the bytes whatever the name says.
    for (const char* name : {"sprite.bmp", "sprite.png"}) {
        const std::string path = TempPath(name);
        ASSERT_EQ(SDL_SaveBMP(sprite.get(), path.c_str()), 0);
        SurfacePtr loaded = LoadKeyedImage(path.c_str(), 255, 0, 255);
        std::remove(path.c_str());

        EXPECT_TRUE(loaded->flags & SDL_SRCCOLORKEY) << name;
        EXPECT_EQ(loaded->format->BitsPerPixel, display.screen->format->BitsPerPixel);
        SDL_FillRect(display.screen, nullptr, SDL_MapRGB(display.screen->format, 0, 0, 200));
        DrawSurface(loaded.get(), display.screen, MakeRect(10, 10, 0, 0));
        EXPECT_TRUE(IsColour(display.screen, 10, 10, 0, 0, 200)) << name;
        EXPECT_TRUE(IsColour(display.screen, 11, 11, 255, 255, 255)) << name;
        EXPECT_TRUE(IsColour(display.screen, 13, 13, 0, 0, 200)) << name;
    }
}

TEST(LoadImage, AMissingPictureStopsWithItsPathAndAnErrorCode) {
    TestScreen display(false);
    EXPECT_EXIT(LoadOpaqueImage("./Images/Panorama/NoSuchPicture.png"), testing::ExitedWithCode(1),
                "\\./Images/Panorama/NoSuchPicture\\.png");
    EXPECT_EXIT(LoadKeyedImage("./Images/Tirs/NoSuchShot.bmp", 0, 0, 0), testing::ExitedWithCode(1),
                "\\./Images/Tirs/NoSuchShot\\.bmp");
}

TEST(RandomBelow, StaysInRangeAndOneIsAlwaysZero) {
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(RandomBelow(1), 0);
        const int value = RandomBelow(332);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 332);
    }
}

TEST(StripPlayback, FirstUpdateDrawsNothingAndTheLastSheetFrameNeverShows) {
    TestScreen display(false);
    VirtualPlatform clock(1000);
    clock.Install();
    // Four 8 x 8 cells, each its own shade of red.
    SurfacePtr strip = SolidSurface(32, 8, 0, 0, 0);
    for (int cell = 0; cell < 4; ++cell) {
        SDL_Rect r = {static_cast<Sint16>(cell * 8), 0, 8, 8};
        SDL_FillRect(strip.get(), &r, SDL_MapRGB(strip->format, 100 + 50 * cell, 0, 0));
    }
    StripPlayback playback(strip.get(), 8, 8, 4, 20);
    const Rect owner = MakeRect(100, 100, 20, 10);  // centre (110, 105)

    std::vector<int> shown;
    while (!playback.IsOver()) {
        SDL_FillRect(display.screen, nullptr, 0);
        playback.Step(display.screen, owner);
        Uint8 r, g, b;
        ReadRgb(display.screen, 110, 105, &r, &g, &b);
        EXPECT_TRUE(IsColour(display.screen, 106, 101, r, 0, 0));  // cell corner
        shown.push_back(r == 0 ? -1 : (r - 100) / 50);
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
    EXPECT_TRUE(IsColour(display.screen, 110, 105, 0, 0, 0));
    EXPECT_EQ(playback.Index(), 1);
}
