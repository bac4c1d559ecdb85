#include "gfx/Background.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/TestScreen.h"

namespace {

// A picture whose every row says its own number in red and green, written
// to a temporary file for the Background to load.
std::string RowCodedPicture(int width, int height) {
    SurfacePtr picture(
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    for (int y = 0; y < height; ++y) {
        SDL_Rect row = {0, static_cast<Sint16>(y), static_cast<Uint16>(width), 1};
        SDL_FillRect(picture.get(), &row, SDL_MapRGB(picture->format, y & 0xFF, y >> 8, 77));
    }
    const std::string path = std::string(testing::TempDir()) + "corvanel_bg_" +
                             std::to_string(getpid()) + "_" + std::to_string(height) + ".bmp";
    EXPECT_EQ(SDL_SaveBMP(picture.get(), path.c_str()), 0);
    return path;
}

// The picture row shown on a screen row, or -1 where nothing was drawn.
int RowShown(SDL_Surface* screen, int x, int y) {
    Uint8 r, g, b;
    ReadRgb(screen, x, y, &r, &g, &b);
    return b == 77 ? r + 256 * g : -1;
}

}  // namespace

TEST(Background, FullScreenPictureWrapsEvery120FramesAtFourPixels) {
    TestScreen display(false);
    const std::string path = RowCodedPicture(640, 480);
    Background background(display.screen, path.c_str(), Background::FullScreenWrap,
                          MakeRect(0, 0, 640, 480));
    std::remove(path.c_str());

    background.Scroll(4);
    EXPECT_EQ(background.RectA().y, 4);
    EXPECT_EQ(RowShown(display.screen, 300, 0), 476);  // what left the bottom
    EXPECT_EQ(RowShown(display.screen, 300, 3), 479);
    EXPECT_EQ(RowShown(display.screen, 300, 4), 0);
    EXPECT_EQ(RowShown(display.screen, 300, 479), 475);

    for (int frame = 2; frame <= 119; ++frame) {
        background.Scroll(4);
    }
    EXPECT_EQ(background.RectA().y, 476);
    background.Scroll(4);  // the step that would reach 480 starts over
    EXPECT_EQ(background.RectA().y, 0);
    EXPECT_EQ(RowShown(display.screen, 300, 0), 0);
    EXPECT_EQ(RowShown(display.screen, 300, 479), 479);
}

TEST(Background, ASpeedChangeAtTheEndResetsRatherThanOvershooting) {
    TestScreen display(false);
    const std::string path = RowCodedPicture(640, 480);
    Background background(display.screen, path.c_str(), Background::FullScreenWrap,
                          MakeRect(0, 0, 640, 480));
    std::remove(path.c_str());
    for (int frame = 1; frame <= 119; ++frame) {
        background.Scroll(4);
    }
    background.Scroll(6);  // 476 >= 474
    EXPECT_EQ(background.RectA().y, 0);
    background.Scroll(6);
    EXPECT_EQ(background.RectA().y, 6);
}

TEST(Background, StripCopiesLeapFrogAndTheWrapShowsFromTheNextFrame) {
    TestScreen display(false);
    const std::string path = RowCodedPicture(364, 1390);
    Background clouds(display.screen, path.c_str(), Background::LeapFrogStrip,
                      MakeRect(138, -910, 364, 1390));
    std::remove(path.c_str());
    EXPECT_EQ(clouds.RectA().y, -910);
    EXPECT_EQ(clouds.RectB().y, -2300);

    clouds.Scroll(4);
    EXPECT_EQ(RowShown(display.screen, 200, 479), 1389 - 4);  // copy A's bottom
    EXPECT_EQ(RowShown(display.screen, 100, 240), -1);        // only the playfield

    for (int frame = 2; frame <= 347; ++frame) {
        clouds.Scroll(4);
    }
    EXPECT_EQ(clouds.RectA().y, 478);
    // Frame 348: A reaches 482 and goes above B, which snaps back by 2; the
    // screen still shows B where it was before the wrap.
    clouds.Scroll(4);
    EXPECT_EQ(clouds.RectA().y, -2300);
    EXPECT_EQ(clouds.RectB().y, -910);
    EXPECT_EQ(RowShown(display.screen, 200, 0), 908);
    clouds.Scroll(4);
    EXPECT_EQ(RowShown(display.screen, 200, 0), 906);
    EXPECT_EQ(clouds.RectB().y, -906);
}

TEST(Background, IndustStripStartsWithItsSecondCopyRightAboveTheFirst) {
    TestScreen display(false);
    const std::string path = RowCodedPicture(364, 550);
    Background indust(display.screen, path.c_str(), Background::LeapFrogStrip,
                      MakeRect(138, -70, 364, 550));
    std::remove(path.c_str());
    EXPECT_EQ(indust.RectB().y, -620);
    // At 10 pixels the copies trade places every 55 frames, seamlessly.
    for (int frame = 1; frame <= 55; ++frame) {
        indust.Scroll(10);
    }
    EXPECT_EQ(indust.RectA().y, -620);
    EXPECT_EQ(indust.RectB().y, -70);
    for (int frame = 1; frame <= 55; ++frame) {
        indust.Scroll(10);
    }
    EXPECT_EQ(indust.RectA().y, -70);
    EXPECT_EQ(indust.RectB().y, -620);
}
