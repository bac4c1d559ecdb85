// SPDX-License-Identifier: MIT
#pragma once

#include "enemies/RegularEnemy.h"

// The large gunship of the waves: drops in from the top, hovers while it
// fires three-way volleys downwards, then leaves through the bottom.
class AirBlade : public RegularEnemy {
public:
    AirBlade(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth, int halfHeight,
             int appearTime);

private:
    void Behave() override;
};
