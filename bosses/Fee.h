// SPDX-License-Identifier: MIT
#pragma once

#include "bosses/Boss.h"

// The third boss, the fairy: comes down from the top, fans out coloured shots
// that pause in mid-flight, then flies out to the right.
class Fee : public Boss {
public:
    Fee(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime);
};
