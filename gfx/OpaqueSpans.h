// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <vector>

#include "gfx/Image.h"
#include "gfx/Rect.h"

// The drawn part of a colour-keyed picture as rectangles that hold no key
// pixel and together hold every other pixel: each row's runs of drawn
// pixels, a run stacked onto the rectangle above it when both span the same
// columns. Each rectangle is copied once into a small surface of its own, in
// the picture's format and without a key, so drawing them puts on screen
// exactly what one keyed blit of the whole picture puts while skipping the
// see-through pixels instead of testing them one by one. (Narrow rectangles
// copied straight out of a screen-wide picture cost SDL2 more than a keyed
// blit of all of it: every row of source and screen lies at the same offset
// from a 4 KiB boundary.)
class OpaqueSpans {
public:
    // Each piece is a surface of its own, and SDL sets up each copy apart
    // (about 50 ns a piece on SDL2, whose keyed blit of a screen-wide frame
    // takes 0.35 ms): a picture of more rectangles than this, a checkerboard
    // say, is left whole and drawn by the keyed blit, which looks the same.
    static constexpr size_t MostPieces = 1024;

    // Reads the picture's pixels against its colour key, key (every pixel is
    // drawn when the picture has no key set), and cuts out the pieces.
    OpaqueSpans(SDL_Surface* keyed, Uint32 key);

    // Empty when the picture holds more than MostPieces of them.
    const std::vector<Rect>& Rects() const { return rects; }
    // False when the picture cannot be cut (too many rectangles, pixels that
    // cannot be read, a palette) or a piece could not be made; then draw the
    // picture whole.
    bool Complete() const { return complete; }

    // Copies the pieces onto destination with the picture's top-left corner
    // at where's x and y; SDL clips to the destination as for a whole blit.
    void Draw(SDL_Surface* destination, Rect where) const;

private:
    void FindRects(SDL_Surface* keyed, Uint32 key);
    void CutPieces(SDL_Surface* keyed, Uint32 key);

    std::vector<Rect> rects;
    std::vector<SurfacePtr> pieces;  // one per rectangle, same order
    bool complete = false;
};
