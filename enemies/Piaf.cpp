// SPDX-License-Identifier: MIT
#include "enemies/Piaf.h"

#include "gfx/Random.h"

namespace {
const RegularEnemyTraits Traits = {EnemyKind::Piaf, 1, 1, 3, 32, 32, 12, 20, true};
}

Piaf::Piaf(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth, int halfHeight,
           int appearTime)
    : RegularEnemy(screen, bank, rect, halfWidth, halfHeight, appearTime, Traits) {
    travel = 75 + RandomBelow(40);
    drift = 1 - RandomBelow(3);
    speed = 3;
}

void Piaf::Behave() {
    const Rect before = GetRect();
    Animate(8);
    FallThenSlant();  // also while exploding: the explosion moves with it
    ExitIfOutside(before);
}
