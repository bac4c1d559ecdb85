// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include "platform/JoystickState.h"

// Joystick 0, if there is one. Opening it also turns joystick events on, so
// that its buttons reach the event queue and polling refreshes its state.
class Joystick {
public:
    Joystick();
    ~Joystick();
    Joystick(const Joystick&) = delete;
    Joystick& operator=(const Joystick&) = delete;

    // Refreshes and returns the one record of the program. A missing stick,
    // or one with fewer than 4 buttons, is never read.
    JoystickState* Read();

    // Past the dead zone of -3200 to 3200, inclusive.
    static constexpr int DeadZone = 3200;

    // Turns the two axes and button 0 into the record's five flags.
    static void Interpret(int horizontal, int vertical, bool fire, JoystickState* state);

    // Whether an opened stick with that many buttons is read at all.
    static bool HasEnoughButtons(int buttonCount) { return buttonCount >= 4; }

private:
    bool IsUsable() const { return device != nullptr && HasEnoughButtons(buttonCount); }

    SDL_Joystick* device = nullptr;
    int buttonCount = 0;
};
