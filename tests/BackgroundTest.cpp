// SPDX-License-Identifier: MIT
#include "gfx/Background.h"

#include "tests/TestSupport.h"

namespace {

// A background on a test display made from a picture whose every row says
// its own number in red and green.
class BackgroundTest : public testing::Test {
protected:
    TestScreen display{false};

    Background RowCoded(int kind, Rect start) {
        SurfacePtr picture = NewSurface(start.w, start.h);
        for (int y = 0; y < start.h; ++y) {
            SDL_Rect row = {0, static_cast<Sint16>(y), start.w, 1};
            SDL_FillRect(picture.get(), &row, SDL_MapRGB(picture->format, y & 0xFF, y >> 8, 77));
        }
        const TempFile file("background.bmp");
        EXPECT_EQ(SDL_SaveBMP(picture.get(), file.path.c_str()), 0);
        return Background(display.screen, file.path.c_str(), kind, start);
    }

    // The picture row shown on a screen row, or -1 where nothing was drawn.
    int RowShown(int x, int y) {
        const Colour c = ColourAt(display.screen, x, y);
        return c.b == 77 ? c.r + 256 * c.g : -1;
    }
};

}  // namespace

TEST_F(BackgroundTest, FullScreenPictureWrapsEvery120FramesAtFourPixels) {
    Background background = RowCoded(Background::FullScreenWrap, MakeRect(0, 0, 640, 480));
    background.Scroll(4);
    EXPECT_EQ(background.RectA().y, 4);
    EXPECT_EQ(RowShown(300, 0), 476);  // what left the bottom
    EXPECT_EQ(RowShown(300, 3), 479);
    EXPECT_EQ(RowShown(300, 4), 0);
    EXPECT_EQ(RowShown(300, 479), 475);

    for (int frame = 2; frame <= 119; ++frame) {
        background.Scroll(4);
    }
    EXPECT_EQ(background.RectA().y, 476);
    background.Scroll(4);  // the step that would reach 480 starts over
    EXPECT_EQ(background.RectA().y, 0);
    EXPECT_EQ(RowShown(300, 0), 0);
    EXPECT_EQ(RowShown(300, 479), 479);

    // A speed change at the end resets rather than overshooting.
    for (int frame = 1; frame <= 119; ++frame) {
        background.Scroll(4);
    }
    background.Scroll(6);  // 476 >= 474
    EXPECT_EQ(background.RectA().y, 0);
    background.Scroll(6);
    EXPECT_EQ(background.RectA().y, 6);
}

TEST_F(BackgroundTest, StripCopiesLeapFrogAndTheWrapShowsFromTheNextFrame) {
    Background clouds = RowCoded(Background::LeapFrogStrip, MakeRect(138, -910, 364, 1390));
    EXPECT_EQ(clouds.RectA().y, -910);
    EXPECT_EQ(clouds.RectB().y, -2300);

    clouds.Scroll(4);
    EXPECT_EQ(RowShown(200, 479), 1389 - 4);  // copy A's bottom
    EXPECT_EQ(RowShown(100, 240), -1);        // only the playfield

    for (int frame = 2; frame <= 347; ++frame) {
        clouds.Scroll(4);
    }
    EXPECT_EQ(clouds.RectA().y, 478);
    // Frame 348: A reaches 482 and goes above B, which snaps back by 2; the
    // screen still shows B where it was before the wrap.
    clouds.Scroll(4);
    EXPECT_EQ(clouds.RectA().y, -2300);
    EXPECT_EQ(clouds.RectB().y, -910);
    EXPECT_EQ(RowShown(200, 0), 908);
    clouds.Scroll(4);
    EXPECT_EQ(RowShown(200, 0), 906);
    EXPECT_EQ(clouds.RectB().y, -906);
}

// The wrap comes exactly at 480. Kind 0 starts over on the step that would
// reach it; kind 2 moves whichever copy's top has reached it.
TEST_F(BackgroundTest, EachKindWrapsExactlyAt480) {
    Background full = RowCoded(Background::FullScreenWrap, MakeRect(0, 0, 640, 480));
    full.Scroll(474);
    full.Scroll(6);  // 474 + 6 would reach it
    EXPECT_EQ(full.RectA().y, 0);
    full.Scroll(473);
    full.Scroll(6);  // 473 + 6 stays short of it
    EXPECT_EQ(full.RectA().y, 479);
    EXPECT_EQ(RowShown(300, 0), 1);

    Background strip = RowCoded(Background::LeapFrogStrip, MakeRect(138, -70, 364, 550));
    for (int copy = 0; copy < 2; ++copy) {
        for (int frame = 1; frame <= 54; ++frame) {
            strip.Scroll(10);
        }
        auto y = [&](bool b) { return b ? strip.RectB().y : strip.RectA().y; };
        EXPECT_EQ(y(copy), 470);
        strip.Scroll(10);
        EXPECT_EQ(y(copy), -620) << copy;
        EXPECT_EQ(y(!copy), -70) << copy;
    }
}
