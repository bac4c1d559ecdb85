// SPDX-License-Identifier: MIT
#pragma once

#include "bosses/Boss.h"

// The second boss: comes in from the left with its cry, scatters red shots at
// random angles, then flies out to the right.
class Metroid : public Boss {
public:
    Metroid(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime);
};
