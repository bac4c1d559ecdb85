// SPDX-License-Identifier: MIT
#pragma once

#include "enemies/RegularEnemy.h"

// A large plane that fires pairs of slow diagonal shots as it comes down.
class DarkAvionDuo : public RegularEnemy {
public:
    DarkAvionDuo(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                 int halfHeight, int appearTime);

private:
    void Behave() override;
};
