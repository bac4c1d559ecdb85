// SPDX-License-Identifier: MIT
#pragma once

#include "enemies/RegularEnemy.h"

// Small and weak, in long streams: falls, then slants to one side for good.
// It never fires.
class Piaf : public RegularEnemy {
public:
    Piaf(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth, int halfHeight,
         int appearTime);

private:
    void Behave() override;
};
