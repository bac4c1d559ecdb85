// SPDX-License-Identifier: MIT
#include "app/EnemySchedule.h"

#include <cstdlib>
#include <typeindex>

#include "app/PlayThrough.h"
#include "bosses/Fee.h"
#include "bosses/Metroid.h"
#include "bosses/RadioZonde.h"
#include "bosses/Xantum.h"
#include "enemies/AirBlade.h"
#include "enemies/DarkAvionDuo.h"
#include "enemies/DarkMetroid.h"
#include "enemies/EnemyBank.h"
#include "enemies/Missile.h"
#include "enemies/Piaf.h"
#include "tests/TestSupport.h"

namespace {

// The schedule's runs of slots, each with the kind of object built there,
// its size, hit box and points, when its first enemy enters (ms after base)
// and every how many ms the next; a boss's fixed place.
struct SlotRun {
    int first, last;
    std::type_index kind;
    int width, height, halfWidth, halfHeight, score;
    int appearsAt, every;
    int x, y;           // a boss's place; a regular enemy's x is drawn
    int drawsOfItsOwn;  // numbers a regular enemy's constructor draws
};

const SlotRun Schedule[] = {
    {0, 64, typeid(Piaf), 32, 9, 8, 3, 1, 250, 250, 0, 0, 2},
    {65, 74, typeid(AirBlade), 158, 94, 60, 10, 5, 19250, 1500, 0, 0, 2},
    {75, 75, typeid(RadioZonde), 314, 344, 47, 34, 500, 36750, 0, 502, -30, 0},
    {76, 99, typeid(DarkAvionDuo), 92, 124, 40, 25, 25, 60750, 1000, 0, 0, 3},
    {100, 124, typeid(Missile), 29, 162, 13, 70, 1, 86250, 500, 0, 0, 2},
    {125, 125, typeid(Metroid), 82, 89, 30, 30, 500, 102250, 0, 56, 120, 0},
    {126, 499, typeid(DarkMetroid), 32, 29, 13, 5, 2, 137450, 100, 0, 0, 3},
    {500, 500, typeid(Fee), 45, 74, 20, 20, 3000, 178750, 0, 298, -73, 0},
    {501, 501, typeid(Xantum), 225, 239, 80, 80, 500, 227000, 0, 502, 0, 0},
};

}  // namespace

// Each slot as built: its kind, place, size, hit box, points and entry time.
// A regular enemy's x is the draw made just before it is built, after every
// number the enemies before it drew for themselves.
TEST(EnemySchedule, EverySlotIsBuiltAsItsRunOfTheScheduleSays) {
    TestScreen display;
    VirtualPlatform clock{0};
    clock.Install();
    EnemyBank bank;
    // Every entry time lies past the moment the clock turns negative as a
    // signed number.
    const Uint32 base = 0x80000000u - 5000;
    std::srand(1);  // replayed below, draw for draw
    Enemy* slots[EnemySlotCount] = {};
    FillEnemySlots(slots, display.screen, &bank, base);
    std::srand(1);
    int points = 0;
    for (const SlotRun& run : Schedule) {
        for (int slot = run.first; slot <= run.last; ++slot) {
            SCOPED_TRACE(testing::Message() << "slot " << slot);
            ASSERT_NE(slots[slot], nullptr);
            const Enemy& enemy = *slots[slot];
            EXPECT_EQ(std::type_index(typeid(enemy)), run.kind);
            Box place = {run.x, run.y, run.width, run.height};
            if (run.drawsOfItsOwn) {
                place = {138 + std::rand() % (364 - run.width), 1 - run.height, run.width,
                         run.height};
                for (int draw = 0; draw < run.drawsOfItsOwn; ++draw) {
                    std::rand();
                }
            }
            EXPECT_EQ(BoxOf(enemy.GetRect()), place);
            EXPECT_EQ(enemy.GetHalfWidth(), run.halfWidth);
            EXPECT_EQ(enemy.GetHalfHeight(), run.halfHeight);
            EXPECT_EQ(enemy.GetScore(), run.score);
            const Uint32 due = base + run.appearsAt + run.every * (slot - run.first);
            EXPECT_FALSE(enemy.HasAppeared(due - 1));
            EXPECT_TRUE(enemy.HasAppeared(due));
            points += enemy.GetScore();
        }
    }
    EXPECT_EQ(points, 5988);
    for (Enemy* enemy : slots) {
        delete enemy;
    }
}
