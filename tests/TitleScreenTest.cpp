#include "app/TitleScreen.h"

#include <gtest/gtest.h>

#include "tests/TestScreen.h"
#include "tools/sim/VirtualPlatform.h"

namespace {

SDL_Event JoyButton() {
    SDL_Event event = {};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = 3;
    return event;
}

class TitleScreenTest : public testing::Test {
protected:
    TestScreen display{false};
    VirtualPlatform clock{500};
    void SetUp() override { clock.Install(); }

    // Queues events for the poll of the given frame (1 is the first frame).
    void AtFrame(int frame, std::function<void()> push) {
        schedule.push_back({frame, std::move(push)});
        clock.OnEmptyQueue([this] {
            const int frame = static_cast<int>((clock.GetTicks() - 500) / 13) + 1;
            for (auto& entry : schedule) {
                if (entry.first == frame && entry.second) {
                    auto push = std::move(entry.second);
                    entry.second = nullptr;
                    push();
                }
            }
        });
    }
    int FramesRun() const { return static_cast<int>((clock.Now() - 500) / 13) + 1; }

    std::vector<std::pair<int, std::function<void()>>> schedule;
};

}  // namespace

TEST_F(TitleScreenTest, ReturnIsIgnoredInTheFirstFrameOnly) {
    TitleScreen title(display.screen, 13);
    clock.PushKeyDown(SDLK_RETURN);  // already waiting when the screen opens
    AtFrame(3, [this] { clock.PushKeyDown(SDLK_RETURN); });
    EXPECT_TRUE(title.Run());
    EXPECT_EQ(FramesRun(), 3);
}

TEST_F(TitleScreenTest, ReturnInTheSecondFrameStartsPlayAndLeavesTheRestQueued) {
    TitleScreen title(display.screen, 13);
    AtFrame(2, [this] {
        clock.PushKeyDown(SDLK_RETURN);
        clock.PushKeyDown(SDLK_LEFT);
        clock.PushKeyDown(SDLK_ESCAPE);
    });
    EXPECT_TRUE(title.Run());
    EXPECT_EQ(FramesRun(), 2);
    EXPECT_EQ(clock.PendingEvents(), 2u);
}

TEST_F(TitleScreenTest, EscapeBeforeReturnInOneBatchStillStartsPlay) {
    TitleScreen title(display.screen, 13);
    AtFrame(2, [this] {
        clock.PushKeyDown(SDLK_ESCAPE);
        clock.PushKeyDown(SDLK_RETURN);
    });
    EXPECT_TRUE(title.Run());
}

TEST_F(TitleScreenTest, EscapeAndTheWindowsQuitRequestCountFromTheFirstFrame) {
    TitleScreen title(display.screen, 13);
    clock.PushKeyDown(SDLK_ESCAPE);
    EXPECT_FALSE(title.Run());
    EXPECT_EQ(FramesRun(), 2);  // quit is seen at the top of the next frame

    clock.PushQuit();
    EXPECT_FALSE(title.Run());
}

TEST_F(TitleScreenTest, JoystickButtonsStartPlayAfterTheFirstFrame) {
    TitleScreen title(display.screen, 13);
    clock.PushEvent(JoyButton());
    AtFrame(4, [this] { clock.PushEvent(JoyButton()); });
    EXPECT_TRUE(title.Run());
    EXPECT_EQ(FramesRun(), 4);
}

TEST_F(TitleScreenTest, OtherKeysAreIgnoredAndEveryFrameShowsThePicture) {
    TitleScreen title(display.screen, 13);
    clock.PushKeyDown(SDLK_g);
    AtFrame(2, [this] { clock.PushKeyDown(SDLK_SPACE); });
    AtFrame(3, [this] { SDL_FillRect(display.screen, nullptr, 0); });
    int redrawn = -1;
    AtFrame(4, [this, &redrawn] {
        Uint8 r, g, b;
        ReadRgb(display.screen, 320, 240, &r, &g, &b);
        redrawn = r + g + b;
        clock.PushKeyDown(SDLK_ESCAPE);
    });
    EXPECT_FALSE(title.Run());
    EXPECT_EQ(FramesRun(), 5);
    EXPECT_GT(redrawn, 0);
}
