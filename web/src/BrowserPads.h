// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <deque>

struct JoystickState;

// Gamepads as players use them. A browser shows a pad to the page only once
// one of its buttons is pressed, so a pad usually appears after the title
// screen has started, or in the middle of a play-through. The browser's
// platform asks here at every event poll: a pad that has appeared is opened
// as joystick 0 at once, so that its buttons reach the event queue, the
// press that revealed it included; and for a play-through that began
// before it appeared, it fills the stick's record each frame, as the
// game's own joystick would have.
class BrowserPads {
public:
    // Opens a pad that has appeared, and again after the game closed it.
    void Notice();
    // A press of the pad that appeared, if one is waiting.
    bool PopPress(SDL_Event* event);
    // The stick's record from the open pad, in the game's own terms; a
    // record filled from a pad that has gone is cleared once.
    void Fill(JoystickState* state);

private:
    SDL_Joystick* pad = nullptr;
    bool present = false;
    bool filled = false;
    std::deque<SDL_Event> presses;
};
