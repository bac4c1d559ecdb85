// SPDX-License-Identifier: MIT
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/PixelAccess.h"

namespace {

struct Depth {
    int bytes;
    Uint32 rmask, gmask, bmask;
    Uint32 value;  // a value that uses every byte of the pixel
};

const Depth Depths[] = {
    {1, 0, 0, 0, 0xC3},
    {2, 0xF800, 0x07E0, 0x001F, 0xB5A6},
    {3, 0xFF0000, 0xFF00, 0xFF, 0x1E140A},
    {3, 0xFF, 0xFF00, 0xFF0000, 0x1E140A},  // red in the first byte: read at the colour shifts
    {4, 0xFF0000, 0xFF00, 0xFF, 0x8A1E140A},
};

// The pixel's bytes as they lie in memory, as a little-endian number.
Uint32 RawBytes(SDL_Surface* surface, int x, int y) {
    const int bytes = surface->format->BytesPerPixel;
    const Uint8* address = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | address[x * bytes + i];
    }
    return value;
}

TEST(BitmapFontPixelTest, ReadsAndWritesEachDepth) {
    for (const Depth& depth : Depths) {
        SCOPED_TRACE(testing::Message() << depth.bytes << " bytes, red mask " << depth.rmask);
        SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, depth.bytes * 8,
                                                    depth.rmask, depth.gmask, depth.bmask, 0);
        ASSERT_TRUE(surface);
        SDL_FillRect(surface, nullptr, 0);
        WritePixel(surface, 1, 1, depth.value);
        EXPECT_EQ(RawBytes(surface, 1, 1), depth.value);
        EXPECT_EQ(RawBytes(surface, 0, 1), 0u);
        EXPECT_EQ(RawBytes(surface, 2, 1), 0u);
        EXPECT_EQ(GetPixel(surface, 1, 1), depth.value);
        EXPECT_EQ(GetPixel(surface, 2, 1), 0u);
        SDL_FreeSurface(surface);
    }
}

// A 4 x 3 surface inside a larger buffer: a row of guards above and below, a column of guards
// to the right. Any access outside the surface would meet a guard.
class GuardedSurface {
public:
    static constexpr Uint32 Guard = 0xDEADBEEF;
    static constexpr int Width = 4, Height = 3, Stride = Width + 1;

    GuardedSurface() : buffer(Stride * (Height + 2), Guard) {
        for (int y = 1; y <= Height; ++y) {
            std::fill_n(&buffer[y * Stride], Width, 0x11223344u);
        }
        surface = SDL_CreateRGBSurfaceFrom(&buffer[Stride], Width, Height, 32, Stride * 4, 0xFF0000,
                                           0xFF00, 0xFF, 0);
    }
    ~GuardedSurface() { SDL_FreeSurface(surface); }

    std::vector<Uint32> buffer;
    SDL_Surface* surface = nullptr;
};

const int OutsidePositions[][2] = {{-1, 0}, {4, 0}, {0, -1}, {0, 3}, {-1, -1}};

TEST(BitmapFontPixelTest, ReadsOutsideTheSurfaceGiveZeroAndAMessageAndWritesAreIgnored) {
    GuardedSurface guarded;
    const std::vector<Uint32> before = guarded.buffer;
    testing::internal::CaptureStdout();
    for (const auto& position : OutsidePositions) {
        EXPECT_EQ(GetPixel(guarded.surface, position[0], position[1]), 0u);
        WritePixel(guarded.surface, position[0], position[1], 0);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "x too small in GetPixel!\nx too big in GetPixel!\n"
              "y too small in GetPixel!\ny too big in GetPixel!\nx too small in GetPixel!\n");
    EXPECT_EQ(guarded.buffer, before);
    EXPECT_EQ(GetPixel(guarded.surface, 3, 2), 0x11223344u);
    WritePixel(guarded.surface, 3, 2, 0);
    EXPECT_NE(guarded.buffer, before);
}

}  // namespace
