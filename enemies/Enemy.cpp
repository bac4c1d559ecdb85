// SPDX-License-Identifier: MIT
#include "enemies/Enemy.h"

#include <cstdlib>

#include "gfx/Ticks.h"

Enemy::Enemy(Rect rect, int halfWidth, int halfHeight, int appearTime, int score)
    : rect(rect),
      halfWidth(halfWidth),
      halfHeight(halfHeight),
      appearTime(appearTime),
      score(score) {}

Enemy::~Enemy() = default;

bool Enemy::HasAppeared(Uint32 now) const {
    return HasReached(now, UnsignedTicks(appearTime));
}

int Enemy::FindHit(Shot** shots, int count) const {
    const int enemyX = CentreX(rect);
    const int enemyY = CentreY(rect);
    for (int i = 0; i < count; ++i) {
        if (!shots[i]) {
            continue;
        }
        // The shot counts with its whole box, the enemy with its hit box.
        const Rect s = shots[i]->GetRect();
        if (std::abs(CentreX(s) - enemyX) < s.w / 2 + halfWidth &&
            std::abs(CentreY(s) - enemyY) < s.h / 2 + halfHeight) {
            return i;
        }
    }
    return -1;
}

int Enemy::TakeFirstHit(Shot** shots, int count, int* hitPoints) const {
    const int slot = FindHit(shots, count);
    if (slot != -1) {
        *hitPoints -= shots[slot]->GetDamage();
    }
    return slot;
}
