// SPDX-License-Identifier: MIT
#include "app/TitleScreen.h"

#include "tests/TestSupport.h"

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
            for (auto& entry : schedule) {
                if (entry.first == FramesRun() && entry.second) {
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

TEST_F(TitleScreenTest, ReturnAndJoystickButtonsAreIgnoredInTheFirstFrameOnly) {
    TitleScreen title(display.screen, 13);
    // Already waiting when the screen opens.
    clock.PushKeyDown(SDLK_RETURN);
    clock.PushEvent(JoyButton());
    AtFrame(3, [this] { clock.PushEvent(JoyButton()); });
    EXPECT_TRUE(title.Run());
    EXPECT_EQ(FramesRun(), 3);
}

// ESC is looked at only at the top of a frame, so a RETURN after it in the
// same batch still starts play; what follows RETURN stays queued for play.
TEST_F(TitleScreenTest, ReturnInTheSecondFrameStartsPlayEvenAfterAnEscape) {
    TitleScreen title(display.screen, 13);
    AtFrame(2, [this] {
        clock.PushKeyDown(SDLK_ESCAPE);
        clock.PushKeyDown(SDLK_RETURN);
        clock.PushKeyDown(SDLK_LEFT);
        clock.PushKeyDown(SDLK_ESCAPE);
    });
    EXPECT_TRUE(title.Run());
    EXPECT_EQ(FramesRun(), 2);
    EXPECT_EQ(clock.PendingEvents(), 2u);
}

TEST_F(TitleScreenTest, EscapeAndTheWindowsQuitRequestCountFromTheFirstFrame) {
    TitleScreen title(display.screen, 13);
    clock.PushKeyDown(SDLK_ESCAPE);
    EXPECT_FALSE(title.Run());
    EXPECT_EQ(FramesRun(), 2);  // quit is seen at the top of the next frame

    clock.PushQuit();
    EXPECT_FALSE(title.Run());
}

TEST_F(TitleScreenTest, OtherKeysAreIgnoredAndEveryFrameShowsThePicture) {
    TitleScreen title(display.screen, 13);
    clock.PushKeyDown(SDLK_g);
    AtFrame(2, [this] { clock.PushKeyDown(SDLK_SPACE); });
    AtFrame(3, [this] { SDL_FillRect(display.screen, nullptr, 0); });
    Colour redrawn = {0, 0, 0};
    AtFrame(4, [this, &redrawn] {
        redrawn = ColourAt(display.screen, 320, 240);
        clock.PushKeyDown(SDLK_ESCAPE);
    });
    EXPECT_FALSE(title.Run());
    EXPECT_EQ(FramesRun(), 5);
    EXPECT_NE(redrawn, (Colour{0, 0, 0}));
}
