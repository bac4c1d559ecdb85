// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// What the stick and its fire button say this frame, one flag each, 0 or 1.
// The stick fills it, the seam may replace it, the ship reads it.
struct JoystickState {
    Uint8 up;
    Uint8 down;
    Uint8 left;
    Uint8 right;
    Uint8 fire;
};
