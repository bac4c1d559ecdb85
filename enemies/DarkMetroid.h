// SPDX-License-Identifier: MIT
#pragma once

#include "enemies/RegularEnemy.h"

// Small and weak, in a swarm: falls, then slants, and bursts into three
// shots when it is destroyed.
class DarkMetroid : public RegularEnemy {
public:
    DarkMetroid(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                int halfHeight, int appearTime);

private:
    void Behave() override;
    void OnKilled() override;
};
