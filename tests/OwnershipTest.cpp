// SPDX-License-Identifier: MIT
// Every surface, sound, music track, font, shot and enemy that a play-through
// makes is released exactly once when it ends, whatever ends it: the live
// counts of gfx/LiveCount.h go back to where they were. (The sanitizer build
// adds LeakSanitizer, and AddressSanitizer for anything released twice.)
#include "gfx/LiveCount.h"
#include "tests/TestSupport.h"
#include "tools/sim/Pilots.h"
#include "tools/sim/Simulation.h"

namespace {

// How much the live count of a kind grew from one moment to another.
int Grown(const std::vector<int>& now, const std::vector<int>& before, Held kind) {
    return now[static_cast<int>(kind)] - before[static_cast<int>(kind)];
}

// What one play-through holds from its first frame: the four full-screen
// pictures, two copies of each of the five sceneries, the HUD frame and its
// seven gauges, the ship's 20 pose pictures, explosion and two shot images,
// seven pictures for each of the five enemy kinds, and 17 for each of the
// four bosses; every picture needed twice is loaded twice.
constexpr int PlaySurfaces = 4 + 5 * 2 + 1 + 7 + 20 + 1 + 2 + 5 * 7 + 4 * 17;
// The ship's two sounds, two for each enemy kind, explosion and shot for
// each boss and the arrival cries of Metroid and Xantum.
constexpr int PlayChunks = 2 + 5 * 2 + 4 * 2 + 2;
constexpr int PlayMusic = 2;
constexpr int PlayEnemies = 502;

// The fire pilot meets RadioZonde at about frame 3200; by this frame its
// spirals fill the screen.
constexpr int EscapeInTheBossFight = 3700;

// Flies the first and the third play-through with fire held, sweeping, up to
// the ESC in the boss fight; sits still in the second until the last life is
// lost.
class TakingTurnsPilot : public Pilot {
public:
    void Decide(const PlayView& view, Uint8* keys) override {
        if (view.frame == 0) {
            ++play;
        }
        (play == 2 ? idle : fire)->Decide(view, keys);
    }

private:
    int play = 0;
    std::shared_ptr<Pilot> fire = MakePilot("fire");
    std::shared_ptr<Pilot> idle = MakePilot("idle");
};

}  // namespace

TEST(Ownership, PlayThroughsInARowReleaseEverythingTheyMadeHoweverTheyEnd) {
    const std::vector<int> before = LiveCounts();
    SimOptions options;
    options.plays = 3;
    options.pilot = std::make_shared<TakingTurnsPilot>();
    options.maxFrames = EscapeInTheBossFight;
    std::vector<std::vector<int>> firstFrames;
    std::vector<std::vector<int>> lastFrames;
    options.onFrame = [&](const PlayView& view) {
        if (view.frame == 1) {
            firstFrames.push_back(LiveCounts());
        }
        if (view.frame == EscapeInTheBossFight - 1) {
            lastFrames.push_back(LiveCounts());
        }
    };
    const SimResult result = Simulation(options).Run();

    ASSERT_EQ(result.plays.size(), 3u);
    EXPECT_EQ(result.plays[0].ending, PlayEnding::Quit);
    EXPECT_EQ(result.plays[1].ending, PlayEnding::GameOver);
    EXPECT_EQ(result.plays[2].ending, PlayEnding::Quit);
    ASSERT_EQ(firstFrames.size(), 3u);
    for (const std::vector<int>& first : firstFrames) {
        EXPECT_EQ(Grown(first, before, Held::Surface), PlaySurfaces);
        EXPECT_EQ(Grown(first, before, Held::Chunk), PlayChunks);
        EXPECT_EQ(Grown(first, before, Held::Music), PlayMusic);
        EXPECT_EQ(Grown(first, before, Held::Enemy), PlayEnemies);
        EXPECT_EQ(Grown(first, before, Held::Font), 0);
    }
    // Both quits leave the boss fight with its spirals in the air.
    ASSERT_EQ(lastFrames.size(), 2u);
    for (const std::vector<int>& last : lastFrames) {
        EXPECT_GT(Grown(last, before, Held::Shot), 100);
    }
    EXPECT_EQ(LiveCounts(), before);
}
