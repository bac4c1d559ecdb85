// SPDX-License-Identifier: MIT
#include "app/EndScreens.h"

#include "gfx/BitmapFont.h"
#include "gfx/LiveCount.h"
#include "tests/TestSupport.h"

namespace {

class EndScreensTest : public testing::Test {
protected:
    TestScreen display;
    VirtualPlatform clock{5000};
    ScreenWatcher watcher;

    void SetUp() override { clock.Install(); }
};

}  // namespace

TEST(RankLetter, FromEBelow1200ToAFrom2400) {
    const int scores[] = {0, 1199, 1200, 1599, 1600, 1999, 2000, 2399, 2400, 5988};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(RankLetter(scores[i]), "EEDDCCBBAA"[i]) << scores[i];
    }
}

// The newspaper for three seconds, then the summary with its rank line until
// RETURN or ESC; the font and the rank line live only while the summary is up.
TEST_F(EndScreensTest, VictoryShowsTheShipOnThePaperThenTheRankUntilReturnOrEscape) {
    const std::vector<int> before = LiveCounts();
    SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
    SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");
    auto ship = MakeShip(display.screen);
    std::vector<EndScreen> shown;
    int shipPixels = 0;
    int rankPixels = 0;
    int elsewhere = -1;
    int fontsDuringSummary = -1;
    Uint32 newspaperAt = 0;
    Uint32 summaryAt = 0;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        shown.push_back(screen);
        if (screen == EndScreen::Newspaper) {
            newspaperAt = clock.Now();
            shipPixels = PixelsChanged(surface, newspaper.get(), ship->GetRect());
            clock.PushKeyDown(SDLK_ESCAPE);  // still queued when the summary opens
            return;
        }
        summaryAt = clock.Now();
        fontsDuringSummary = LiveCount::Of(Held::Font);
        rankPixels = PixelsChanged(surface, summary.get(), MakeRect(260, 160, 200, 40));
        elsewhere = PixelsChanged(surface, summary.get(), MakeRect(0, 0, 640, 150));
        clock.PushKeyDown(SDLK_a);  // ignored
        clock.PushKeyDown(SDLK_RETURN);
        clock.PushKeyDown(SDLK_ESCAPE);  // pressed together: leaves once
    };
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), ship.get(), 2400, &watcher);

    EXPECT_EQ(shown, (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
    EXPECT_GT(shipPixels, 100);
    EXPECT_EQ(summaryAt - newspaperAt, 3000u);
    EXPECT_GT(rankPixels, 50);  // "RANK A" is on the picture
    EXPECT_EQ(elsewhere, 0);
    // The ESC queued during the newspaper left the summary; RETURN, ESC and
    // the ignored key are still waiting.
    EXPECT_EQ(clock.PendingEvents(), 3u);
    EXPECT_EQ(fontsDuringSummary, before[static_cast<int>(Held::Font)] + 1);
    EXPECT_EQ(DefaultFont(), nullptr);
    newspaper.reset();
    summary.reset();
    ship.reset();
    EXPECT_EQ(LiveCounts(), before);
}

TEST_F(EndScreensTest, RanksDrawDifferently) {
    // "RANK E" and "RANK A" differ only in their last glyph.
    const int rankE = RankPixelsShown(display.screen, clock, 0);
    EXPECT_GT(rankE, 0);
    EXPECT_NE(RankPixelsShown(display.screen, clock, 9999), rankE);
}

TEST_F(EndScreensTest, GameOverWaitsForReturnOrEscapeAndIgnoresOtherKeys) {
    SurfacePtr gameOver = LoadOpaqueImage("./Images/Panorama/GameOver.png");
    int polledKeys = 0;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        EXPECT_EQ(screen, EndScreen::GameOver);
        EXPECT_TRUE(SamePixels(surface, gameOver.get()));
        clock.PushKeyDown(SDLK_g);
        clock.PushKeyDown(SDLK_SPACE);
    };
    // Once the ignored keys are gone, a joystick button does nothing either;
    // then ESC leaves.
    clock.OnEmptyQueue([&] {
        if (++polledKeys == 3) {
            SDL_Event button = {};
            button.type = SDL_JOYBUTTONDOWN;
            clock.PushEvent(button);
        } else if (polledKeys == 6) {
            clock.PushKeyDown(SDLK_ESCAPE);
        }
    });
    const Uint32 before = clock.Now();
    ShowGameOverScreen(display.screen, gameOver.get(), &watcher);
    EXPECT_EQ(polledKeys, 6);
    EXPECT_GT(clock.Now(), before);  // the wait sleeps between polls
}
