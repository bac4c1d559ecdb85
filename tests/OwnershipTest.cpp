// Every surface, sound, music track, font, shot and enemy that a play-through
// makes is released exactly once when it ends, whatever ends it: the live
// counts of gfx/LiveCount.h go back to where they were. (The sanitizer build
// adds LeakSanitizer, and AddressSanitizer for anything released twice.)
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/EndScreens.h"
#include "app/PlayObserver.h"
#include "gfx/LiveCount.h"
#include "hero/Hero.h"
#include "tests/TestScreen.h"
#include "tools/sim/Pilots.h"
#include "tools/sim/Simulation.h"
#include "tools/sim/VirtualPlatform.h"

namespace {

// The live count of every kind at one moment.
struct Census {
    int surfaces = LiveCount::Of(Held::Surface);
    int chunks = LiveCount::Of(Held::Chunk);
    int music = LiveCount::Of(Held::Music);
    int fonts = LiveCount::Of(Held::Font);
    int shots = LiveCount::Of(Held::Shot);
    int enemies = LiveCount::Of(Held::Enemy);
};

void ExpectSame(const Census& now, const Census& before, const char* when) {
    EXPECT_EQ(now.surfaces, before.surfaces) << when;
    EXPECT_EQ(now.chunks, before.chunks) << when;
    EXPECT_EQ(now.music, before.music) << when;
    EXPECT_EQ(now.fonts, before.fonts) << when;
    EXPECT_EQ(now.shots, before.shots) << when;
    EXPECT_EQ(now.enemies, before.enemies) << when;
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

// Notes how many fonts are alive while the summary waits for its key.
class SummaryWatcher : public PlayObserver {
public:
    int fontsDuringSummary = -1;
    void EndScreenShown(EndScreen screen, SDL_Surface*) override {
        if (screen == EndScreen::Summary) {
            fontsDuringSummary = LiveCount::Of(Held::Font);
        }
    }
};

}  // namespace

TEST(Ownership, PlayThroughsInARowReleaseEverythingTheyMadeHoweverTheyEnd) {
    const Census before;
    SimOptions options;
    options.plays = 3;
    options.pilot = std::make_shared<TakingTurnsPilot>();
    options.maxFrames = EscapeInTheBossFight;
    std::vector<Census> firstFrames;
    std::vector<Census> lastFrames;
    options.onFrame = [&](const PlayView& view) {
        if (view.frame == 1) {
            firstFrames.emplace_back();
        }
        if (view.frame == EscapeInTheBossFight - 1) {
            lastFrames.emplace_back();
        }
    };
    const SimResult result = Simulation(options).Run();

    ASSERT_EQ(result.plays.size(), 3u);
    EXPECT_EQ(result.plays[0].ending, PlayEnding::Quit);
    EXPECT_EQ(result.plays[1].ending, PlayEnding::GameOver);
    EXPECT_EQ(result.plays[2].ending, PlayEnding::Quit);
    ASSERT_EQ(firstFrames.size(), 3u);
    for (const Census& first : firstFrames) {
        EXPECT_EQ(first.surfaces - before.surfaces, PlaySurfaces);
        EXPECT_EQ(first.chunks - before.chunks, PlayChunks);
        EXPECT_EQ(first.music - before.music, PlayMusic);
        EXPECT_EQ(first.enemies - before.enemies, PlayEnemies);
        EXPECT_EQ(first.fonts, before.fonts);
    }
    // Both quits leave the boss fight with its spirals in the air.
    ASSERT_EQ(lastFrames.size(), 2u);
    for (const Census& last : lastFrames) {
        EXPECT_GT(last.shots - before.shots, 100);
    }
    ExpectSame(Census(), before, "after the last play-through");
}

TEST(Ownership, TheVictoryScreensReleaseTheFontAndTheRankLine) {
    TestScreen display;
    VirtualPlatform clock(0);
    clock.Install();
    clock.OnEmptyQueue([&] { clock.PushKeyDown(SDLK_RETURN); });
    const Census before;
    SummaryWatcher watcher;
    {
        SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
        SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");
        Hero hero(display.screen, MakeRect(300, 300, 36, 33), 6, 60, 20, 16, 64, 64);
        ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), &hero, 2500, &watcher);
        EXPECT_EQ(watcher.fontsDuringSummary, before.fonts + 1);
        EXPECT_EQ(LiveCount::Of(Held::Font), before.fonts);
    }
    ExpectSame(Census(), before, "after the victory screens");
}
