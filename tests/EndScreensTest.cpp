// SPDX-License-Identifier: MIT
#include "app/EndScreens.h"

#include "gfx/BitmapFont.h"
#include "gfx/LiveCount.h"
#include "tests/CallLog.h"
#include "tests/TestSupport.h"

namespace {

// Each screen is read from what the last flip showed when it says it is up.
class EndScreensTest : public testing::Test {
protected:
    TestScreen display;
    CallLog log{CallLog::Shown};
    VirtualPlatform clock{5000};
    ScreenWatcher watcher;
    SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
    SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");

    void SetUp() override { clock.Install(); }

    // The summary as it should look: the picture with the line drawn in the
    // game's font, keyed black, at (260, 160).
    SurfacePtr SummaryWith(const char* line) {
        SurfacePtr page(SDL_DisplayFormat(summary.get()));
        BitmapFont* font = BitmapFont::FromFile("./Images/Font/font03.png");
        SurfacePtr text(RenderTextSurface(font, line));
        SDL_SetColorKey(text.get(), SDL_SRCCOLORKEY, SDL_MapRGB(text->format, 0, 0, 0));
        SurfacePtr converted(SDL_DisplayFormat(text.get()));
        DrawSurface(converted.get(), page.get(), MakeRect(260, 160, 0, 0));
        BitmapFont::Release(font);
        return page;
    }
};

}  // namespace

// The rank line on the summary, read off the screen, for scores at the edges
// of each letter's band.
TEST_F(EndScreensTest, TheSummaryShowsTheRankOfTheScore) {
    const struct {
        int score;
        const char* line;
    } ranks[] = {{0, "RANK E"},    {1199, "RANK E"}, {1200, "RANK D"}, {1599, "RANK D"},
                 {1600, "RANK C"}, {1999, "RANK C"}, {2000, "RANK B"}, {2399, "RANK B"},
                 {2400, "RANK A"}, {5988, "RANK A"}};
    auto ship = MakeShip(display.screen);
    for (const auto& rank : ranks) {
        const SurfacePtr expected = SummaryWith(rank.line);
        ASSERT_FALSE(SamePixels(expected.get(), summary.get()));
        bool shown = false;
        watcher.onShown = [&](EndScreen screen, SDL_Surface*) {
            if (screen == EndScreen::Summary) {
                shown = !log.shown.empty() && SamePixels(log.shown.back().get(), expected.get());
            }
            clock.PushKeyDown(SDLK_RETURN);
        };
        ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), ship.get(), rank.score,
                           &watcher);
        EXPECT_TRUE(shown) << rank.score << " should show " << rank.line;
    }
}

// The newspaper for three seconds, then the summary until RETURN or ESC; the
// font and the rank line live only while the summary is up.
TEST_F(EndScreensTest, VictoryShowsTheShipOnThePaperThenTheSummaryUntilReturnOrEscape) {
    const std::vector<int> before = LiveCounts();
    auto ship = MakeShip(display.screen);
    std::vector<EndScreen> shown;
    int shipPixels = 0, paperPixels = -1;
    watcher.onShown = [&](EndScreen screen, SDL_Surface*) {
        shown.push_back(screen);
        if (screen == EndScreen::Newspaper) {
            ASSERT_EQ(log.shown.size(), 1u);
            SDL_Surface* flipped = log.shown[0].get();
            shipPixels = PixelsChanged(flipped, newspaper.get(), ship->GetRect());
            paperPixels = PixelsChanged(flipped, newspaper.get(), MakeRect(0, 0, 640, 480));
            clock.PushKeyDown(SDLK_ESCAPE);  // still queued when the summary opens
            return;
        }
        clock.PushKeyDown(SDLK_a);  // ignored
        clock.PushKeyDown(SDLK_RETURN);
        clock.PushKeyDown(SDLK_ESCAPE);  // pressed together: leaves once
    };
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), ship.get(), 2400, &watcher);

    EXPECT_EQ(shown, (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
    EXPECT_GT(shipPixels, 100);
    EXPECT_EQ(paperPixels, shipPixels);
    // The ESC queued during the newspaper left the summary; the other keys
    // are still waiting.
    EXPECT_EQ(clock.PendingEvents(), 3u);
    ship.reset();
    EXPECT_EQ(LiveCounts(), before);
}

TEST_F(EndScreensTest, GameOverWaitsForReturnOrEscapeAndIgnoresOtherKeys) {
    SurfacePtr gameOver = LoadOpaqueImage("./Images/Panorama/GameOver.png");
    int polls = 0;
    watcher.onShown = [&](EndScreen screen, SDL_Surface*) {
        EXPECT_EQ(screen, EndScreen::GameOver);
        ASSERT_EQ(log.shown.size(), 1u);
        EXPECT_TRUE(SamePixels(log.shown[0].get(), gameOver.get()));
        clock.PushKeyDown(SDLK_g);
        clock.PushKeyDown(SDLK_SPACE);
    };
    // Once the ignored keys are gone, a joystick button does nothing either;
    // then RETURN leaves.
    clock.OnEmptyQueue([&] {
        if (++polls == 3) {
            SDL_Event button = {};
            button.type = SDL_JOYBUTTONDOWN;
            clock.PushEvent(button);
        } else if (polls == 6) {
            clock.PushKeyDown(SDLK_RETURN);
        }
    });
    ShowGameOverScreen(display.screen, gameOver.get(), &watcher);
    EXPECT_EQ(polls, 6);
}
