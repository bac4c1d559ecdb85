// SPDX-License-Identifier: MIT
#include "enemies/DarkAvionDuo.h"

#include "gfx/Random.h"

namespace {

const RegularEnemyTraits Traits = {EnemyKind::DarkAvionDuo, 25, 5, 50, 64, 64, 16, 25, false};

// Slow diagonals: two right and one down, two left and one down.
const VolleyShot Volley[2] = {
    {{{2, 1, 5}, {2, 1, 5}, {2, 1, 30}, {2, 1, 300}}},
    {{{-2, 1, 5}, {-2, 1, 30}, {-2, 1, 5}, {-2, 1, 300}}},
};

}  // namespace

DarkAvionDuo::DarkAvionDuo(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                           int halfHeight, int appearTime)
    : RegularEnemy(screen, bank, rect, halfWidth, halfHeight, appearTime, Traits) {
    // None of these is used; they keep the sequence the schedule relies on.
    RandomBelow(2);
    RandomBelow(40);
    RandomBelow(2);
}

void DarkAvionDuo::Behave() {
    const Rect before = GetRect();
    // The frame changes on the first update and every second one after it;
    // the counter is never reset.
    if (frameTicks % 2 == 0) {
        frame = 1 - frame;
    }
    ++frameTicks;
    if (state != EnemyState::Destroyed && frameTicks % 10 == 0) {
        FireVolley(Volley, 2, MakeRect(before.x + 42, before.y + 69, 8, 8));
    }
    Move(0, 4);  // in every state
    ExitIfOutside(before);
}
