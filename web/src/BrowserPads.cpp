// SPDX-License-Identifier: MIT
#include "web/src/BrowserPads.h"

#include <emscripten.h>

#include "app/Joystick.h"

namespace {

// Whether the browser shows a pad in its first place, joystick 0.
EM_JS(int, FirstPadPresent, (), {
    const pads = navigator.getGamepads ? navigator.getGamepads() : [];
    return pads.length > 0 && pads[0] && pads[0].connected ? 1 : 0;
});

}  // namespace

extern "C" {

// The pads the browser shows; its list keeps empty places, which the
// browser's SDL counted as pads.
int SDL_NumJoysticks() {
    return EM_ASM_INT({
        const pads = navigator.getGamepads ? navigator.getGamepads() : [];
        let count = 0;
        for (let i = 0; i < pads.length; ++i) {
            count += pads[i] && pads[i].connected ? 1 : 0;
        }
        return count;
    });
}

}  // extern "C"

void BrowserPads::Notice() {
    if (!FirstPadPresent()) {
        present = false;
        pad = nullptr;
        return;
    }
    if (!SDL_JoystickOpened(0)) {
        pad = SDL_JoystickOpen(0);
        if (!pad) {
            return;
        }
        SDL_JoystickEventState(SDL_ENABLE);
        if (!present) {
            // The press that made the browser show the pad happened before
            // it was open, so no event reports it.
            for (int button = 0; button < SDL_JoystickNumButtons(pad); ++button) {
                if (SDL_JoystickGetButton(pad, button)) {
                    SDL_Event press = {};
                    press.type = SDL_JOYBUTTONDOWN;
                    press.jbutton.which = 0;
                    press.jbutton.button = static_cast<Uint8>(button);
                    press.jbutton.state = SDL_PRESSED;
                    presses.push_back(press);
                }
            }
        }
    }
    present = true;
}

bool BrowserPads::PopPress(SDL_Event* event) {
    if (presses.empty() || !event) {
        return false;
    }
    *event = presses.front();
    presses.pop_front();
    return true;
}

void BrowserPads::Fill(JoystickState* state) {
    if (present && pad && Joystick::HasEnoughButtons(SDL_JoystickNumButtons(pad))) {
        Joystick::Interpret(SDL_JoystickGetAxis(pad, 0), SDL_JoystickGetAxis(pad, 1),
                            SDL_JoystickGetButton(pad, 0) != 0, state);
        filled = true;
    } else if (filled) {
        *state = JoystickState{0, 0, 0, 0, 0};
        filled = false;
    }
}
