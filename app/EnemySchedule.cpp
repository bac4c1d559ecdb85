// SPDX-License-Identifier: MIT
#include "app/EnemySchedule.h"

#include "app/PlayThrough.h"
#include "bosses/Fee.h"
#include "bosses/Metroid.h"
#include "bosses/RadioZonde.h"
#include "bosses/Xantum.h"
#include "enemies/AirBlade.h"
#include "enemies/DarkAvionDuo.h"
#include "enemies/DarkMetroid.h"
#include "enemies/Missile.h"
#include "enemies/Piaf.h"
#include "gfx/Playfield.h"
#include "gfx/Random.h"
#include "gfx/Ticks.h"

namespace {

using MakeEnemy = Enemy* (*)(SDL_Surface*, EnemyBank*, Rect, int, int, int);

template <class Kind>
Enemy* MakeRegular(SDL_Surface* screen, EnemyBank* bank, Rect rect, int halfWidth, int halfHeight,
                   int appearTime) {
    return new Kind(screen, bank, rect, halfWidth, halfHeight, appearTime);
}

// Bosses load their own media: they take no bank.
template <class Kind>
Enemy* MakeBoss(SDL_Surface* screen, EnemyBank*, Rect rect, int halfWidth, int halfHeight,
                int appearTime) {
    return new Kind(screen, rect, halfWidth, halfHeight, appearTime);
}

// A run of slots holding one kind. Regular enemies enter at a random x on
// the playfield with their bottom row on the top row of the screen; a boss
// has a fixed place at the edge of the playfield.
struct ScheduleRow {
    int firstSlot;
    int lastSlot;
    const char* kind;
    MakeEnemy make;
    int width;
    int height;
    int halfWidth;
    int halfHeight;
    Uint32 firstAppearMs;  // after base
    Uint32 intervalMs;     // between consecutive slots
    bool boss;
    int bossX;
    int bossY;
};

// RadioZonde and Xantum start just right of the playfield, Metroid just left
// of it, Fee centred above the screen.
const ScheduleRow Schedule[] = {
    {0, 64, "Piaf", MakeRegular<Piaf>, 32, 9, 8, 3, 250, 250, false, 0, 0},
    {65, 74, "AirBlade", MakeRegular<AirBlade>, 158, 94, 60, 10, 19250, 1500, false, 0, 0},
    {75, 75, "RadioZonde", MakeBoss<RadioZonde>, 314, 344, 47, 34, 36750, 0, true, 502, -30},
    {76, 99, "DarkAvionDuo", MakeRegular<DarkAvionDuo>, 92, 124, 40, 25, 60750, 1000, false, 0, 0},
    {100, 124, "Missile", MakeRegular<Missile>, 29, 162, 13, 70, 86250, 500, false, 0, 0},
    {125, 125, "Metroid", MakeBoss<Metroid>, 82, 89, 30, 30, 102250, 0, true, 138 - 82, 120},
    {126, 499, "DarkMetroid", MakeRegular<DarkMetroid>, 32, 29, 13, 5, 137450, 100, false, 0, 0},
    {500, 500, "Fee", MakeBoss<Fee>, 45, 74, 20, 20, 178750, 0, true, 320 - 45 / 2, 1 - 74},
    {501, 501, "Xantum", MakeBoss<Xantum>, 225, 239, 80, 80, 227000, 0, true, 502, 0},
};

const ScheduleRow* RowOf(int slot) {
    for (const ScheduleRow& row : Schedule) {
        if (row.firstSlot <= slot && slot <= row.lastSlot) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

void FillEnemySlots(Enemy** slots, SDL_Surface* screen, EnemyBank* bank, Uint32 base) {
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        const ScheduleRow* row = RowOf(slot);
        if (!row) {
            continue;
        }
        Rect rect = MakeRect(row->bossX, row->bossY, row->width, row->height);
        if (!row->boss) {
            // The position is drawn just before the enemy is made; its
            // constructor then draws numbers of its own.
            const int x = PlayfieldLeft + RandomBelow(PlayfieldWidth - row->width);
            rect = MakeRect(x, 1 - row->height, row->width, row->height);
        }
        const Uint32 appear = base + row->firstAppearMs +
                              row->intervalMs * static_cast<Uint32>(slot - row->firstSlot);
        slots[slot] =
            row->make(screen, bank, rect, row->halfWidth, row->halfHeight, SignedTicks(appear));
    }
}

const char* ScheduledKindName(int slot) {
    const ScheduleRow* row = RowOf(slot);
    return row ? row->kind : "none";
}
