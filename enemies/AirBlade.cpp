// SPDX-License-Identifier: MIT
#include "enemies/AirBlade.h"

#include "gfx/Random.h"

namespace {

const RegularEnemyTraits Traits = {EnemyKind::AirBlade, 5, 8, 40, 160, 120, 16, 20, false};

// Straight down, and down with one pixel to either side per frame.
const VolleyShot Volley[3] = {
    {{{0, 4, 5}, {0, 4, 5}, {0, 4, 30}, {0, 4, 300}}},
    {{{1, 4, 5}, {1, 4, 30}, {1, 4, 5}, {1, 4, 300}}},
    {{{-1, 4, 5}, {-1, 4, 30}, {-1, 4, 5}, {-1, 4, 300}}},
};

}  // namespace

AirBlade::AirBlade(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                   int halfHeight, int appearTime)
    : RegularEnemy(screen, bank, rect, halfWidth, halfHeight, appearTime, Traits) {
    travel = 75 + RandomBelow(40);
    RandomBelow(3);  // a sideways step it never uses; the draw keeps the sequence
}

void AirBlade::Behave() {
    const Rect before = GetRect();
    int dy = 0;
    // A destroyed AirBlade stops where it is and explodes there.
    if (state != EnemyState::Destroyed) {
        Animate(2);
        if (steps <= travel / 3) {
            dy = 3;  // entry
            ++steps;
        } else if (steps < 2 * travel) {
            ++steps;  // hover
            if (steps % 20 == 0) {
                FireVolley(Volley, 3, MakeRect(before.x + 71, before.y + 32, 16, 16));
            }
        } else {
            dy = 4;  // exit downwards for good
        }
    }
    Move(0, dy);
    ExitIfOutside(before);
}
