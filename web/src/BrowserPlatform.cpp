// SPDX-License-Identifier: MIT
// The game's clock, delays, events and key states in a browser tab. Every
// wait of the game comes here: a delay hands the tab back to the browser to
// paint, play sound and deliver input until the game's clock has moved on
// (BrowserClock.h), which it does not while the page is hidden.
#include <SDL.h>

#include "platform/Platform.h"
#include "web/src/BrowserClock.h"
#include "web/src/BrowserKeys.h"
#include "web/src/BrowserPads.h"

namespace {

class BrowserBackend : public PlatformBackend {
public:
    Uint32 GetTicks() override { return BrowserClock::Ticks(); }
    void Delay(Uint32 ms) override { BrowserClock::Delay(ms); }
    int PollEvent(SDL_Event* event) override {
        // Once for each draining of the queue.
        if (!draining) {
            pads.Notice();
            draining = true;
        }
        if (pads.PopPress(event)) {
            return 1;
        }
        const int got = SDL_PollEvent(event);
        if (got && event && (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP)) {
            event->key.keysym.sym = ClassicKeyCode(event->key.keysym.sym);
        }
        draining = got != 0;
        return got;
    }
    Uint8* GetKeyState() override {
        ReadClassicKeyState(SDL_GetKeyboardState(nullptr), keys);
        return keys;
    }
    void PassJoystick(JoystickState* state) override { pads.Fill(state); }

private:
    Uint8 keys[SDLK_LAST] = {};
    BrowserPads pads;
    bool draining = false;
};

}  // namespace

PlatformBackend& Platform::OwnBackend() {
    static BrowserBackend backend;
    return backend;
}
