// SPDX-License-Identifier: MIT
// Drawing a keyed picture by its opaque rectangles: they hold every drawn
// pixel once and no key pixel, and their pieces, copied without a key, put
// exactly what a keyed blit of the whole picture puts. The HUD frame, which
// is drawn that way on an SDL that does not run-length encode its key, looks
// the same.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/Hud.h"
#include "gfx/OpaqueSpans.h"
#include "gfx/PixelAccess.h"
#include "simulation/Screenshot.h"
#include "tests/BadFilesTree.h"
#include "tests/TestSupport.h"

namespace {

constexpr Uint32 Key = 0xFFFF00;

// A picture of key colour with drawn pixels wherever drawn(x, y) holds,
// each of its own colour, keyed on Key.
template <typename Drawn>
SurfacePtr KeyedPicture(int width, int height, Drawn drawn) {
    SurfacePtr picture = NewSurface(width, height, Key);
    for (int i = 0; i < width * height; ++i) {
        if (drawn(i % width, i / width)) {
            WritePixel(picture.get(), i % width, i / width, 0x204080 + static_cast<Uint32>(i * 7));
        }
    }
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, Key);
    return picture;
}

// A destination of many colours, so a pixel drawn where it should not be,
// or missed where it should be, always shows.
SurfacePtr Backdrop(int width, int height) {
    SurfacePtr backdrop = NewSurface(width, height);
    for (int i = 0; i < width * height; ++i) {
        WritePixel(backdrop.get(), i % width, i / width,
                   (static_cast<Uint32>(i) * 40503u) & 0xFFFFFF);
    }
    return backdrop;
}

// Holes, steps and lone pixels: rows whose runs change from one to the next.
bool Ragged(int x, int y) {
    return (x + y) % 7 < 3 || (x == 15 && y == 4) || (y > 9 && x < y - 5);
}

}  // namespace

TEST(OpaqueSpans, StackRunsOfTheSameColumnsIntoOneRectangle) {
    // The HUD frame's shape, two opaque sides around a see-through window
    // with a notch in the left side's lower half: the right side runs down
    // whole, the left breaks around the notch. Without a key, all is one.
    SurfacePtr frame = KeyedPicture(
        40, 30, [](int x, int y) { return x < 8 || x >= 32 || (y >= 20 && y < 25 && x < 10); });
    SurfacePtr unkeyed = NewSurface(12, 9, Key);
    const struct {
        SDL_Surface* picture;
        std::vector<Box> boxes;
    } cases[] = {{frame.get(), {{0, 0, 8, 20}, {32, 0, 8, 30}, {0, 20, 10, 5}, {0, 25, 8, 5}}},
                 {unkeyed.get(), {{0, 0, 12, 9}}}};
    for (const auto& c : cases) {
        const OpaqueSpans spans(c.picture, c.picture->format->colorkey);
        std::vector<Box> boxes;
        for (const Rect& r : spans.Rects()) {
            boxes.push_back(BoxOf(r));
        }
        EXPECT_EQ(boxes, c.boxes);
    }
}

// Drawing the same as the keyed blit, the rectangles hold every drawn pixel
// and no key pixel; as large together as the drawn part, none overlap.
TEST(OpaqueSpans, PiecesDrawExactlyWhatTheKeyedBlitDraws) {
    const int w = 23, h = 17;
    SurfacePtr picture = KeyedPicture(w, h, Ragged);
    const OpaqueSpans spans(picture.get(), picture->format->colorkey);
    ASSERT_TRUE(spans.Complete());
    int drawn = 0, held = 0;
    for (int i = 0; i < w * h; ++i) {
        drawn += Ragged(i % w, i / w);
    }
    for (const Rect& r : spans.Rects()) {
        held += r.w * r.h;
    }
    EXPECT_EQ(held, drawn);
    // Inside, and partly off every edge of, the destination.
    for (const Rect& at : {MakeRect(5, 4, 0, 0), MakeRect(-9, -6, 0, 0), MakeRect(30, 25, 0, 0)}) {
        SurfacePtr keyed = Backdrop(40, 32);
        SurfacePtr bySpans = Backdrop(40, 32);
        DrawSurface(picture.get(), keyed.get(), at);
        spans.Draw(bySpans.get(), at);
        EXPECT_TRUE(SamePixels(keyed.get(), bySpans.get())) << "at " << at.x << "," << at.y;
    }
}

// Each piece is a surface of its own: a checkerboard frame, all lone pixels,
// once became 153,600 of them at 640 x 480 (drawing twenty times slower than
// the keyed blit) and 2 million at 2048 x 2048 (1.25 GiB). Up to MostPieces
// rectangles the picture is cut; beyond, it is left whole, none held, and
// drawn by the keyed blit. The game's frame is cut into its two sides.
TEST(OpaqueSpans, PictureOfMoreRectanglesThanMostPiecesIsLeftWhole) {
    TestScreen display(false);
    const auto checkerboard = [](int x, int y) { return (x + y) % 2 == 0; };
    SurfacePtr frame = LoadKeyedImage(DataPath("Images/Panorama/Contour.png").c_str(), 255, 255, 0);
    SurfacePtr most = KeyedPicture(64, 32, checkerboard);  // 32 lone pixels in each of 32 rows
    SurfacePtr over = KeyedPicture(66, 32, checkerboard);
    SurfacePtr screenWide = KeyedPicture(640, 480, checkerboard);
    const struct {
        const char* name;
        SDL_Surface* picture;
        size_t rects;  // 0 when left whole
    } cases[] = {{"the game's frame", frame.get(), 2},
                 {"1,024 lone pixels", most.get(), OpaqueSpans::MostPieces},
                 {"1,056 lone pixels", over.get(), 0},
                 {"153,600 lone pixels", screenWide.get(), 0}};
    static_assert(OpaqueSpans::MostPieces == 1024, "the cases above count to it");
    for (const auto& c : cases) {
        const OpaqueSpans spans(c.picture, c.picture->format->colorkey);
        EXPECT_EQ(spans.Rects().size(), c.rects) << c.name;
        EXPECT_EQ(spans.Complete(), c.rects != 0) << c.name;
    }
}

TEST(OpaqueSpans, PictureOfPaletteIndicesIsLeftWhole) {
    SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 8, 0, 0, 0, 0));
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, 0);
    EXPECT_FALSE(OpaqueSpans(picture.get(), 0).Complete());
}

// On an SDL that run-length encodes the frame's key and on one that does
// not (then the frame goes by its opaque rectangles, or whole when it has
// too many), the HUD draws what keyed blits of its two pictures draw, and
// draws it again the same: the game's frame and a checkerboard one.
TEST(HudDrawing, FrameAndGaugeLookAsKeyedBlitsOfThem) {
    TestScreen display(false);
    BadFilesTree checkered;
    checkered.Remove("Images/Panorama/Contour.png");  // the link, not the real file
    SurfacePtr board = NewSurface(640, 480, Key);
    for (int y = 0; y < 480; ++y) {
        for (int x = y % 2; x < 640; x += 2) {
            WritePixel(board.get(), x, y, 0x802040);
        }
    }
    ASSERT_TRUE(SaveScreenshot(board.get(), checkered.PathOf("Images/Panorama/Contour.png")));
    for (const std::string& data : {std::string(CORVANEL_DATA_DIR), checkered.Path()}) {
        SCOPED_TRACE(data);
        WorkingFolder folder(data);
        SurfacePtr frame = LoadKeyedImage("./Images/Panorama/Contour.png", 255, 255, 0);
        SurfacePtr gauge = LoadKeyedImage("./Images/Jauge/P3.png", 255, 103, 139);
        SurfacePtr expected = Backdrop(640, 480);
        DrawSurface(frame.get(), expected.get(), MakeRect(0, 0, 640, 480));
        DrawSurface(gauge.get(), expected.get(), MakeRect(0, 2, 0, 0));
        Hud hud(display.screen);
        for (int draw = 0; draw < 2; ++draw) {
            DrawSurface(Backdrop(640, 480).get(), display.screen, MakeRect(0, 0, 0, 0));
            hud.Draw(4);
            SurfacePtr drawn = NewSurface(640, 480);
            DrawSurface(display.screen, drawn.get(), MakeRect(0, 0, 0, 0));
            EXPECT_EQ(PixelsChanged(drawn.get(), expected.get(), MakeRect(0, 0, 640, 480)), 0);
        }
    }
}
