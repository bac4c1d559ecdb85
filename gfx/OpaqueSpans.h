// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <vector>

#include "gfx/Rect.h"

// The drawn part of a colour-keyed picture as rectangles that hold no key
// pixel and together hold every other pixel: each row's runs of drawn
// pixels, a run stacked onto the rectangle above it when both span the same
// columns. Copying these rectangles without the key puts on screen exactly
// what one keyed blit of the whole picture puts, and skips the see-through
// pixels instead of testing them one by one.
class OpaqueSpans {
public:
    OpaqueSpans() = default;
    // Reads the picture's pixels against its colour key (every pixel is
    // drawn when it has none).
    explicit OpaqueSpans(SDL_Surface* keyed);

    const std::vector<Rect>& Rects() const { return rects; }

    // Copies each rectangle of source onto destination, the picture's
    // top-left corner at where's x and y; SDL clips to the destination as
    // for a whole blit. The source must no longer carry its key, or every
    // pixel is tested again.
    void Draw(SDL_Surface* source, SDL_Surface* destination, Rect where) const;

private:
    std::vector<Rect> rects;
};
