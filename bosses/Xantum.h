// SPDX-License-Identifier: MIT
#pragma once

#include "bosses/Boss.h"

// The final boss: glides in from the right with its cry and alternates for
// ever between stars of ice rays and turning rings; it never leaves, and its
// destruction wins the game.
class Xantum : public Boss {
public:
    Xantum(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime);
};
