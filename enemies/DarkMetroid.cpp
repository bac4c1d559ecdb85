// SPDX-License-Identifier: MIT
#include "enemies/DarkMetroid.h"

#include "gfx/Random.h"

namespace {

const RegularEnemyTraits Traits = {EnemyKind::DarkMetroid, 2, 1, 10, 32, 32, 12, 20, true};

// Its last volley: down-right, down and down-left, one pixel per frame.
const VolleyShot LastVolley[3] = {
    {{{1, 1, 5}, {1, 1, 5}, {1, 1, 30}, {1, 1, 300}}},
    {{{0, 1, 5}, {0, 1, 30}, {0, 1, 5}, {0, 1, 300}}},
    {{{-1, 1, 5}, {-1, 1, 30}, {-1, 1, 5}, {-1, 1, 300}}},
};

}  // namespace

DarkMetroid::DarkMetroid(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                         int halfHeight, int appearTime)
    : RegularEnemy(screen, bank, rect, halfWidth, halfHeight, appearTime, Traits) {
    speed = 2 + RandomBelow(4);
    travel = 75 + RandomBelow(40);
    drift = 1 - RandomBelow(3);
}

void DarkMetroid::Behave() {
    const Rect before = GetRect();
    Animate(8);
    FallThenSlant();
    ExitIfOutside(before);
}

void DarkMetroid::OnKilled() {
    const Rect r = GetRect();
    FireVolley(LastVolley, 3, MakeRect(r.x + 12, r.y + 8, 8, 8));
}
