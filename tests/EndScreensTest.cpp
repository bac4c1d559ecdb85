#include "app/EndScreens.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "app/PlayObserver.h"
#include "gfx/BitmapFont.h"
#include "hero/Hero.h"
#include "tests/TestScreen.h"
#include "tools/sim/VirtualPlatform.h"

namespace {

// Calls back when an end screen is up and waiting.
class ScreenWatcher : public PlayObserver {
public:
    std::function<void(EndScreen, SDL_Surface*)> onShown;
    void EndScreenShown(EndScreen screen, SDL_Surface* display) override {
        onShown(screen, display);
    }
};

// Pixels of the display that differ from a picture inside a rectangle.
int PixelsChanged(SDL_Surface* display, SDL_Surface* picture, int x0, int y0, int w, int h) {
    int changed = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            Uint8 r1, g1, b1, r2, g2, b2;
            ReadRgb(display, x, y, &r1, &g1, &b1);
            ReadRgb(picture, x, y, &r2, &g2, &b2);
            changed += r1 != r2 || g1 != g2 || b1 != b2;
        }
    }
    return changed;
}

class EndScreensTest : public testing::Test {
protected:
    TestScreen display;
    VirtualPlatform clock{5000};
    SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
    SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");
    SurfacePtr gameOver = LoadOpaqueImage("./Images/Panorama/GameOver.png");
    std::unique_ptr<Hero> hero;
    ScreenWatcher watcher;

    void SetUp() override {
        clock.Install();
        hero = std::make_unique<Hero>(display.screen, MakeRect(300, 300, 36, 33), 6, 60, 20, 16, 64,
                                      64);
    }
};

}  // namespace

TEST(RankLetter, FromEBelow1200ToAFrom2400) {
    EXPECT_EQ(RankLetter(0), 'E');
    EXPECT_EQ(RankLetter(-5), 'E');
    EXPECT_EQ(RankLetter(1199), 'E');
    EXPECT_EQ(RankLetter(1200), 'D');
    EXPECT_EQ(RankLetter(1599), 'D');
    EXPECT_EQ(RankLetter(1600), 'C');
    EXPECT_EQ(RankLetter(1999), 'C');
    EXPECT_EQ(RankLetter(2000), 'B');
    EXPECT_EQ(RankLetter(2399), 'B');
    EXPECT_EQ(RankLetter(2400), 'A');
    EXPECT_EQ(RankLetter(5988), 'A');
}

TEST_F(EndScreensTest, VictoryShowsTheShipOnThePaperThenTheRankUntilReturnOrEscape) {
    std::vector<EndScreen> shown;
    int shipPixels = 0;
    int rankPixels = 0;
    int elsewhere = -1;
    bool fontAlive = false;
    Uint32 newspaperAt = 0;
    Uint32 summaryAt = 0;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        shown.push_back(screen);
        if (screen == EndScreen::Newspaper) {
            newspaperAt = clock.Now();
            shipPixels = PixelsChanged(surface, newspaper.get(), 300, 300, 36, 33);
            clock.PushKeyDown(SDLK_ESCAPE);  // still queued when the summary opens
            return;
        }
        summaryAt = clock.Now();
        fontAlive = DefaultFont() != nullptr;
        rankPixels = PixelsChanged(surface, summary.get(), 260, 160, 200, 40);
        elsewhere = PixelsChanged(surface, summary.get(), 0, 0, 640, 150);
        clock.PushKeyDown(SDLK_a);  // ignored
        clock.PushKeyDown(SDLK_RETURN);
        clock.PushKeyDown(SDLK_ESCAPE);  // pressed together: leaves once
    };
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), hero.get(), 2400, &watcher);

    EXPECT_EQ(shown, (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
    EXPECT_GT(shipPixels, 100);
    EXPECT_EQ(summaryAt - newspaperAt, 3000u);
    EXPECT_TRUE(fontAlive);
    EXPECT_GT(rankPixels, 50);  // "RANK A" is on the picture
    EXPECT_EQ(elsewhere, 0);
    // The ESC queued during the newspaper left the summary; RETURN, ESC and
    // the ignored key are still waiting.
    EXPECT_EQ(clock.PendingEvents(), 3u);
    // The font lives only while the summary is up.
    EXPECT_EQ(DefaultFont(), nullptr);
}

TEST_F(EndScreensTest, RanksDrawDifferently) {
    std::vector<int> drawn;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        if (screen == EndScreen::Summary) {
            drawn.push_back(PixelsChanged(surface, summary.get(), 260, 160, 200, 40));
            clock.PushKeyDown(SDLK_RETURN);
        }
    };
    // "RANK E" and "RANK A" differ only in their last glyph.
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), hero.get(), 0, &watcher);
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), hero.get(), 9999, &watcher);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_NE(drawn[0], drawn[1]);
}

TEST_F(EndScreensTest, WithoutItsFontTheSummaryShowsWithoutTheRankLine) {
    char folder[] = "/tmp/corvanel-nofont-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    int rankPixels = -1;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        if (screen == EndScreen::Summary) {
            rankPixels = PixelsChanged(surface, summary.get(), 260, 160, 200, 40);
            clock.PushKeyDown(SDLK_RETURN);
        }
    };
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(), hero.get(), 1500, &watcher);
    EXPECT_EQ(chdir(previous), 0);
    rmdir(folder);
    EXPECT_EQ(rankPixels, 0);
}

TEST_F(EndScreensTest, GameOverWaitsForReturnOrEscapeAndIgnoresOtherKeys) {
    int polledKeys = 0;
    watcher.onShown = [&](EndScreen screen, SDL_Surface* surface) {
        EXPECT_EQ(screen, EndScreen::GameOver);
        EXPECT_EQ(PixelsChanged(surface, gameOver.get(), 0, 0, 640, 480), 0);
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
