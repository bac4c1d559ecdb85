// SPDX-License-Identifier: MIT
#pragma once

#include "bosses/Boss.h"

// The first boss, a radio probe under its balloon: drifts in from the right,
// winds blue spirals out and back, then drifts away to the left.
class RadioZonde : public Boss {
public:
    RadioZonde(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime);
};
