// SPDX-License-Identifier: MIT
#include "app/Joystick.h"

#include "platform/Platform.h"

namespace {
// The one record of the whole program; it outlives every Joystick.
JoystickState joystickState = {0, 0, 0, 0, 0};
}  // namespace

Joystick::Joystick() {
    if (SDL_NumJoysticks() >= 1) {
        device = SDL_JoystickOpen(0);
        if (device) {
            buttonCount = SDL_JoystickNumButtons(device);
            SDL_JoystickEventState(SDL_ENABLE);
        }
    }
    if (!IsUsable()) {
        // A stick unplugged while fire was held must not go on firing and
        // flying the ship by itself for a whole play-through.
        joystickState = JoystickState{0, 0, 0, 0, 0};
    }
}

Joystick::~Joystick() {
    if (device) {
        SDL_JoystickClose(device);
    }
}

JoystickState* Joystick::Read() {
    if (IsUsable()) {
        Interpret(SDL_JoystickGetAxis(device, 0), SDL_JoystickGetAxis(device, 1),
                  SDL_JoystickGetButton(device, 0) != 0, &joystickState);
    }
    Platform::PassJoystick(&joystickState);
    return &joystickState;
}

void Joystick::Interpret(int horizontal, int vertical, bool fire, JoystickState* state) {
    state->right = horizontal > DeadZone;
    state->left = horizontal < -DeadZone;
    state->down = vertical > DeadZone;
    state->up = vertical < -DeadZone;
    state->fire = fire ? 1 : 0;
}
