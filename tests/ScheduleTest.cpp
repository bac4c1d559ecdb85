// SPDX-License-Identifier: MIT
#include "app/EnemySchedule.h"

#include <cstdlib>
#include <cstring>

#include "app/PlayThrough.h"
#include "enemies/EnemyBank.h"
#include "tests/TestSupport.h"

namespace {

struct ScheduledKind {
    const char* name;
    int width;
    int height;
    int score;
    int drawsAfterPosition;  // numbers each constructor draws of its own
};

const ScheduledKind Kinds[] = {
    {"Piaf", 32, 9, 1, 2},      {"AirBlade", 158, 94, 5, 2},   {"DarkAvionDuo", 92, 124, 25, 3},
    {"Missile", 29, 162, 1, 2}, {"DarkMetroid", 32, 29, 2, 3},
};

const ScheduledKind* KindNamed(const char* name) {
    for (const ScheduledKind& kind : Kinds) {
        if (std::strcmp(kind.name, name) == 0) {
            return &kind;
        }
    }
    return nullptr;
}

// Every slot of the schedule filled from the given moment.
class EnemySchedule : public testing::Test {
protected:
    TestScreen display;
    VirtualPlatform clock{0};
    EnemyBank bank;
    std::vector<Enemy*> slots = std::vector<Enemy*>(EnemySlotCount, nullptr);

    void Fill(Uint32 base) {
        clock.Install();
        FillEnemySlots(slots.data(), display.screen, &bank, base);
    }
    ~EnemySchedule() override {
        for (Enemy* enemy : slots) {
            delete enemy;
        }
    }
};

}  // namespace

TEST_F(EnemySchedule, RegularEnemiesEnterOnTimeAtTheirDrawnPositions) {
    std::srand(1);  // replayed below, draw for draw
    const Uint32 base = 50000;
    Fill(base);

    std::srand(1);
    int regular = 0;
    int points = 0;
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        const ScheduledKind* kind = KindNamed(ScheduledKindName(slot));
        if (!kind) {
            continue;  // a boss's slot
        }
        ASSERT_NE(slots[slot], nullptr) << slot;
        ++regular;
        // The x of each enemy comes from the draw just before it is made,
        // after every number the enemies before it drew for themselves.
        const int expectedX = 138 + std::rand() % (364 - kind->width);
        for (int draw = 0; draw < kind->drawsAfterPosition; ++draw) {
            std::rand();
        }
        // The bottom row on the playfield's top row.
        EXPECT_EQ(BoxOf(slots[slot]->GetRect()),
                  (Box{expectedX, 1 - kind->height, kind->width, kind->height}))
            << slot;
        points += slots[slot]->GetScore();
        EXPECT_EQ(slots[slot]->GetScore(), kind->score);
    }
    EXPECT_EQ(regular, 498);
    EXPECT_EQ(points, 65 + 50 + 600 + 25 + 748);

    // Appear times, from base: a Piaf every 250 ms from 250, an AirBlade
    // every 1500 ms from 19250, and so on to the last DarkMetroid.
    const struct {
        int slot;
        int at;
    } times[] = {{0, 250},    {64, 16250},  {65, 19250},  {74, 32750},   {76, 60750},
                 {99, 83750}, {100, 86250}, {124, 98250}, {126, 137450}, {499, 174750}};
    for (const auto& t : times) {
        EXPECT_EQ(slots[t.slot]->GetAppearTime(), static_cast<int>(base) + t.at) << t.slot;
        EXPECT_FALSE(slots[t.slot]->HasAppeared(base + t.at - 1));
        EXPECT_TRUE(slots[t.slot]->HasAppeared(base + t.at));
    }
}

TEST_F(EnemySchedule, BossesWaitAtTheEdgesOfThePlayfieldAndXantumHoldsTheLastSlot) {
    const Uint32 base = 7000;
    Fill(base);
    const struct {
        int slot;
        const char* name;
        Box place;
        int halfWidth;
        int halfHeight;
        int appearsAt;
    } bosses[] = {
        {75, "RadioZonde", {502, -30, 314, 344}, 47, 34, 36750},
        {125, "Metroid", {56, 120, 82, 89}, 30, 30, 102250},
        {500, "Fee", {298, -73, 45, 74}, 20, 20, 178750},
        {501, "Xantum", {502, 0, 225, 239}, 80, 80, 227000},
    };
    int points = 0;
    for (const Enemy* enemy : slots) {
        ASSERT_NE(enemy, nullptr);
        points += enemy->GetScore();
    }
    EXPECT_EQ(points, 5988);
    for (const auto& boss : bosses) {
        EXPECT_STREQ(ScheduledKindName(boss.slot), boss.name);
        const Enemy& enemy = *slots[boss.slot];
        EXPECT_EQ(BoxOf(enemy.GetRect()), boss.place) << boss.name;
        EXPECT_EQ(enemy.GetHalfWidth(), boss.halfWidth);
        EXPECT_EQ(enemy.GetHalfHeight(), boss.halfHeight);
        EXPECT_EQ(enemy.GetAppearTime(), static_cast<int>(base) + boss.appearsAt);
    }
}
