// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Raw access to single pixels of any SDL surface, in the surface's own format, as the bitmap
// font needs it to find its glyphs and to tint them. Surfaces of 1, 2, 3 and 4 bytes per pixel
// are handled. Lock the surface around the calls when SDL requires it (see SurfacePixelLock).

// The raw value of the pixel at (x, y); all bits set for a depth other than 1 to 4 bytes. A
// position outside the surface prints "x too small in GetPixel!", "x too big in GetPixel!",
// "y too small in GetPixel!" or "y too big in GetPixel!" (x is checked first) to standard output
// and gives 0; nothing outside the surface is ever read.
Uint32 GetPixel(SDL_Surface* surface, int x, int y);

// Stores a raw value at (x, y). For 3 bytes per pixel the low, middle and high byte of the value
// go in that order. Positions outside the surface are ignored.
void WritePixel(SDL_Surface* surface, int x, int y, Uint32 value);

// Whether the colours of the surface's pixels can be known at all: pixels of
// 8 bits or fewer are palette indices, and a damaged file can read as such a
// surface without a palette, which SDL follows blindly when it converts or
// blits the surface.
bool HasColours(const SDL_Surface* surface);

// Holds a surface locked for direct pixel access while in scope, when SDL requires a lock
// (SDL_MUSTLOCK); otherwise does nothing. Ready() says whether the pixels may be touched.
class SurfacePixelLock {
public:
    explicit SurfacePixelLock(SDL_Surface* surface);
    ~SurfacePixelLock();
    SurfacePixelLock(const SurfacePixelLock&) = delete;
    SurfacePixelLock& operator=(const SurfacePixelLock&) = delete;

    bool Ready() const { return ready; }

private:
    SDL_Surface* lockedSurface = nullptr;  // the surface to unlock, or null
    bool ready = false;
};
