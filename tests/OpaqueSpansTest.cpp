// SPDX-License-Identifier: MIT
// Drawing a keyed picture by its opaque rectangles: they hold every drawn
// pixel once and no key pixel, and their pieces, copied without a key, put
// exactly what a keyed blit of the whole picture puts. The HUD frame, which is drawn that way
// on an SDL that does not run-length encode its key, looks the same.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/Hud.h"
#include "gfx/OpaqueSpans.h"
#include "gfx/PixelAccess.h"
#include "tests/TestSupport.h"

namespace {

constexpr Uint32 Key = 0xFFFF00;
constexpr Uint32 Ink = 0x204080;

// A picture of key colour with drawn pixels wherever drawn(x, y) holds,
// each of its own colour, keyed on Key.
template <typename Drawn>
SurfacePtr KeyedPicture(int width, int height, Drawn drawn) {
    SurfacePtr picture = NewSurface(width, height, Key);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (drawn(x, y)) {
                WritePixel(picture.get(), x, y, Ink + static_cast<Uint32>(x * 7 + y * 131));
            }
        }
    }
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, Key);
    return picture;
}

// How many of the rectangles hold each pixel of a width x height picture.
std::vector<int> Coverage(const OpaqueSpans& spans, int width, int height) {
    std::vector<int> count(static_cast<size_t>(width * height), 0);
    for (const Rect& r : spans.Rects()) {
        for (int y = r.y; y < r.y + r.h; ++y) {
            for (int x = r.x; x < r.x + r.w; ++x) {
                ++count[static_cast<size_t>(y * width + x)];
            }
        }
    }
    return count;
}

// A destination of many colours, so a pixel drawn where it should not be,
// or missed where it should be, always shows.
SurfacePtr Backdrop(int width, int height) {
    SurfacePtr backdrop = NewSurface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            WritePixel(backdrop.get(), x, y,
                       static_cast<Uint32>((x * 40503 + y * 2654435) & 0xFFFFFF));
        }
    }
    return backdrop;
}

bool Ragged(int x, int y) {
    // Holes, steps and lone pixels: rows whose runs change from one to the next.
    return (x + y) % 7 < 3 || (x == 15 && y == 4) || (y > 9 && x < y - 5);
}

}  // namespace

TEST(OpaqueSpans, HoldEveryDrawnPixelOnceAndNoKeyPixel) {
    const int w = 23, h = 17;
    SurfacePtr picture = KeyedPicture(w, h, Ragged);
    const OpaqueSpans spans(picture.get(), picture->format->colorkey);
    const std::vector<int> count = Coverage(spans, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(count[static_cast<size_t>(y * w + x)], Ragged(x, y) ? 1 : 0)
                << "pixel " << x << "," << y;
        }
    }
}

TEST(OpaqueSpans, StackRunsOfTheSameColumnsIntoOneRectangle) {
    // The HUD frame's shape: two opaque sides around a see-through window,
    // with a notch in the left side's lower half.
    SurfacePtr picture = KeyedPicture(
        40, 30, [](int x, int y) { return x < 8 || x >= 32 || (y >= 20 && y < 25 && x < 10); });
    const OpaqueSpans spans(picture.get(), picture->format->colorkey);
    std::vector<Box> boxes;
    for (const Rect& r : spans.Rects()) {
        boxes.push_back(BoxOf(r));
    }
    // The right side runs down whole; the left breaks around the notch.
    const std::vector<Box> expected = {
        {0, 0, 8, 20}, {32, 0, 8, 30}, {0, 20, 10, 5}, {0, 25, 8, 5}};
    EXPECT_EQ(boxes, expected);
}

TEST(OpaqueSpans, PictureWithoutKeyIsOneRectangle) {
    SurfacePtr picture = NewSurface(12, 9, Key);
    const OpaqueSpans spans(picture.get(), picture->format->colorkey);
    ASSERT_EQ(spans.Rects().size(), 1u);
    EXPECT_EQ(BoxOf(spans.Rects()[0]), (Box{0, 0, 12, 9}));
}

TEST(OpaqueSpans, PiecesDrawExactlyWhatTheKeyedBlitDraws) {
    const int w = 23, h = 17;
    SurfacePtr picture = KeyedPicture(w, h, Ragged);
    const OpaqueSpans spans(picture.get(), picture->format->colorkey);
    ASSERT_TRUE(spans.Complete());
    // Inside, and partly off every edge of, the destination.
    const Rect places[] = {MakeRect(5, 4, 0, 0), MakeRect(-9, -6, 0, 0), MakeRect(30, 25, 0, 0)};
    for (const Rect& at : places) {
        SurfacePtr keyed = Backdrop(40, 32);
        SurfacePtr bySpans = Backdrop(40, 32);
        DrawSurface(picture.get(), keyed.get(), at);
        spans.Draw(bySpans.get(), at);
        EXPECT_TRUE(SamePixels(keyed.get(), bySpans.get())) << "at " << at.x << "," << at.y;
    }
}

TEST(OpaqueSpans, PictureOfPaletteIndicesIsLeftWhole) {
    SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 8, 0, 0, 0, 0));
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, 0);
    EXPECT_FALSE(OpaqueSpans(picture.get(), 0).Complete());
}

// On an SDL that run-length encodes the frame's key and on one that does
// not (then the frame goes by its opaque rectangles), the HUD draws what
// keyed blits of its two pictures draw.
TEST(HudDrawing, FrameAndGaugeLookAsKeyedBlitsOfThem) {
    TestScreen display(false);
    SurfacePtr backdrop = Backdrop(640, 480);
    SurfacePtr frame = LoadKeyedImage(DataPath("Images/Panorama/Contour.png").c_str(), 255, 255, 0);
    SurfacePtr gauge = LoadKeyedImage(DataPath("Images/Jauge/P3.png").c_str(), 255, 103, 139);
    SurfacePtr expected = Backdrop(640, 480);
    DrawSurface(frame.get(), expected.get(), MakeRect(0, 0, 640, 480));
    DrawSurface(gauge.get(), expected.get(), MakeRect(0, 2, 0, 0));

    Hud hud(display.screen);
    for (int lives : {4, 4}) {  // twice: the first draw must not change the second
        DrawSurface(backdrop.get(), display.screen, MakeRect(0, 0, 0, 0));
        hud.Draw(lives);
        SurfacePtr drawn = NewSurface(640, 480);
        DrawSurface(display.screen, drawn.get(), MakeRect(0, 0, 0, 0));
        EXPECT_EQ(PixelsChanged(drawn.get(), expected.get(), MakeRect(0, 0, 640, 480)), 0);
    }
}
