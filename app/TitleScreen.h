// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Image.h"

// The title picture, shown until the player starts a play-through or quits.
class TitleScreen {
public:
    TitleScreen(SDL_Surface* screen, int framePeriodMs);

    // True when the player asks for a play-through, false when they quit.
    bool Run();

private:
    SDL_Surface* screen;  // borrowed
    int framePeriodMs;
    SurfacePtr titleImage;
};
