// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <memory>

#include "gfx/Image.h"
#include "gfx/OpaqueSpans.h"

// Drawn last in every frame of play: the frame picture, whose see-through
// middle leaves the playfield visible and whose opaque sides cover whatever
// was drawn beside it, and the gauge of the ship's lives in the top-left.
class Hud {
public:
    explicit Hud(SDL_Surface* screen);

    void Draw(int lives);

    // Which gauge picture, 0 (P1, six lives) to 6 (P7, empty), shows lives.
    static int GaugeIndex(int lives);

private:
    SDL_Surface* screen;  // borrowed
    SurfacePtr frame;
    // Set when the SDL in use does not run-length encode the frame's key:
    // the frame is then drawn by these pieces of it.
    std::unique_ptr<OpaqueSpans> frameSpans;
    SurfacePtr gauge[7];
};
