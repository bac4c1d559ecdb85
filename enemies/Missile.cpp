// SPDX-License-Identifier: MIT
#include "enemies/Missile.h"

#include "gfx/Random.h"

namespace {
const RegularEnemyTraits Traits = {EnemyKind::Missile, 1, 50, 3, 32, 32, 12, 20, true};
}

Missile::Missile(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                 int halfHeight, int appearTime)
    : RegularEnemy(screen, bank, rect, halfWidth, halfHeight, appearTime, Traits) {
    // Neither draw is used; both keep the sequence the schedule relies on.
    RandomBelow(40);
    RandomBelow(3);
    speed = 6;
}

void Missile::Behave() {
    const Rect before = GetRect();
    Animate(2);
    Move(0, speed);  // exploding or not
    ExitIfOutside(before);
}
