// SPDX-License-Identifier: MIT
#include "app/TitleScreen.h"

#include "tests/CallLog.h"
#include "tests/TestSupport.h"

namespace {

SDL_Event Event(Uint8 type, SDLKey key = SDLK_UNKNOWN) {
    SDL_Event event = {};
    event.type = type;
    event.key.keysym.sym = key;
    return event;
}

}  // namespace

// RETURN and joystick buttons start play from the second frame on; ESC and
// the window's quit request quit from the first, seen at the top of the next
// frame, so a RETURN after an ESC in one batch still starts play; what
// follows the RETURN stays queued for play. Every frame shows the picture,
// from the first flip on.
TEST(TitleScreen, KeysAndButtonsFollowTheirRules) {
    const SDL_Event returnKey = Event(SDL_KEYDOWN, SDLK_RETURN);
    const SDL_Event escape = Event(SDL_KEYDOWN, SDLK_ESCAPE);
    SDL_Event button = Event(SDL_JOYBUTTONDOWN);
    button.jbutton.button = 3;  // any button
    const SDL_Event other = Event(SDL_KEYDOWN, SDLK_g);
    const struct {
        std::vector<std::vector<SDL_Event>> frames;  // queued for frames 1, 2, ...
        bool starts;
        int framesDrawn;
        size_t leftQueued;
    } cases[] = {
        {{{returnKey, button}, {}, {button}}, true, 3, 0},
        {{{}, {escape, returnKey, other, escape}}, true, 2, 2},
        {{{escape}}, false, 1, 0},
        {{{Event(SDL_QUIT)}}, false, 1, 0},
        {{{other}, {other, Event(SDL_MOUSEBUTTONDOWN)}, {}, {escape}}, false, 4, 0},
    };
    for (const auto& c : cases) {
        TestScreen display(false);
        VirtualPlatform clock(500);
        clock.Install();
        TitleScreen title(display.screen, 13);
        const SurfacePtr titlePicture = LoadOpaqueImage("./Images/Panorama/Titre.png");
        size_t frame = 0;
        Uint32 lastPoll = 1;
        clock.OnEmptyQueue([&] {
            if (clock.Now() != lastPoll) {  // the first poll of a frame
                lastPoll = clock.Now();
                if (frame == 10) {
                    clock.PushKeyDown(SDLK_ESCAPE);  // a screen that will not end fails
                } else if (frame < c.frames.size()) {
                    for (const SDL_Event& event : c.frames[frame]) {
                        clock.PushEvent(event);
                    }
                }
                ++frame;
            }
        });
        CallLog log(CallLog::Blits | CallLog::Shown);
        EXPECT_EQ(title.Run(), c.starts);
        EXPECT_EQ(clock.PendingEvents(), c.leftQueued);
        const std::vector<std::string> picture(c.framesDrawn,
                                               "blit ./Images/Panorama/Titre.png 0,0");
        EXPECT_EQ(log.lines, picture);
        ASSERT_EQ(log.shown.size(), picture.size());
        EXPECT_TRUE(SamePixels(log.shown[0].get(), titlePicture.get()));
    }
}

// The pacer is given the clock after the frame's drawing and polling: with
// 5 ms of work a frame the title still flips every 13 ms.
TEST(TitleScreen, FramesArePacedFromTheClockAfterTheirWork) {
    TestScreen display(false);
    VirtualPlatform clock(500);
    clock.Install();
    clock.ChargeWork(5);
    TitleScreen title(display.screen, 13);
    int polls = 0;
    clock.OnEmptyQueue([&] {
        if (++polls == 4) {
            clock.PushKeyDown(SDLK_ESCAPE);
        }
    });
    CallLog log(CallLog::Flips);
    EXPECT_FALSE(title.Run());
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"flip 500", "flip 513", "flip 526", "flip 539"}));
}
