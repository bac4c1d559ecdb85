// SPDX-License-Identifier: MIT
// Every surface, sound, music track, font, shot and enemy that a play-through
// makes is released exactly once when it ends, whatever ends it: the live
// counts of gfx/LiveCount.h go back to where they were. (The sanitizer build
// adds LeakSanitizer, and AddressSanitizer for anything released twice.)
#include <algorithm>

#include "app/PlayThrough.h"
#include "gfx/LiveCount.h"
#include "tests/LoopHarness.h"

namespace {

// What one play-through holds from its first frame: the four full-screen
// pictures, two copies of each of the five sceneries, the HUD frame and its
// seven gauges, the ship's 20 pose pictures, explosion and two shot images,
// seven pictures for each of the five enemy kinds, and 17 for each of the
// four bosses; every picture needed twice is loaded twice. The ship's two
// sounds, two for each enemy kind, explosion and shot for each boss and the
// arrival cries of Metroid and Xantum; two music tracks; 502 enemies.
const std::vector<int> HeldInPlay = {4 + 5 * 2 + 1 + 7 + 20 + 1 + 2 + 5 * 7 + 4 * 17,
                                     2 + 5 * 2 + 4 * 2 + 2,
                                     2,
                                     0,
                                     0,
                                     EnemySlotCount};

}  // namespace

// A quit, a game over and a victory in a row, each with the ship firing.
TEST_F(LoopTest, PlayThroughsReleaseEverythingTheyMadeHoweverTheyEnd) {
    const std::vector<int> before = LiveCounts();
    clock.SetKey(SDLK_g, true);
    for (PlayEnding wanted : {PlayEnding::Quit, PlayEnding::GameOver, PlayEnding::Victory}) {
        SCOPED_TRACE(static_cast<int>(wanted));
        lastFrame = wanted == PlayEnding::Quit ? 30 : 5000;
        if (wanted == PlayEnding::GameOver) {
            Put(0, Gunner());
        } else if (wanted == PlayEnding::Victory) {
            Probe* boss = Put(FinalBossSlot, new Probe("boss", AwayFromTheShip()));
            boss->finished = [boss] { return boss->calls == 30; };
        }
        int shotsInTheAir = 0;
        onFrame = [&](const PlayView& view) {
            shotsInTheAir = std::max(shotsInTheAir, view.hero->Shots().LiveCount());
        };
        const std::vector<int> probesOnly = LiveCounts();
        RunGame();
        EXPECT_EQ(ending, wanted);
        EXPECT_GT(shotsInTheAir, 0);
        for (size_t kind = 0; kind < before.size(); ++kind) {
            EXPECT_EQ(heldAtStart[kind] - probesOnly[kind], HeldInPlay[kind]) << kind;
        }
        EXPECT_EQ(LiveCounts(), before);
    }
}
