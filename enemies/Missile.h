// SPDX-License-Identifier: MIT
#pragma once

#include "enemies/RegularEnemy.h"

// Long, very tough and fast-falling; it never fires.
class Missile : public RegularEnemy {
public:
    Missile(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth, int halfHeight,
            int appearTime);

private:
    void Behave() override;
};
