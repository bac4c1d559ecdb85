// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Image.h"
#include "gfx/Rect.h"

// One level's scenery, moved down the screen a few pixels each frame so the
// ship seems to fly upwards. Kind 0 is a full-screen picture that wraps;
// kind 2 is a tall strip on the playfield repeated by two copies that
// leap-frog each other.
class Background {
public:
    enum Kind { FullScreenWrap = 0, LeapFrogStrip = 2 };

    Background(SDL_Surface* screen, const char* imagePath, int kind, Rect start);

    // Advances the scenery by speed pixels and draws it.
    void Scroll(int speed);

    Rect RectA() const { return rectA; }
    Rect RectB() const { return rectB; }

private:
    void ScrollWrapping(int speed);
    void ScrollLeapFrog(int speed);

    SDL_Surface* screen;  // borrowed
    SurfacePtr imageA;
    SurfacePtr imageB;  // a second copy of the same picture
    int kind;
    Rect rectA;  // kind 0: y is the scroll offset; kind 2: where copy A is
    Rect rectB;
    Rect homeB;  // where a copy goes when it wraps
};
