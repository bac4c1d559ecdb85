// SPDX-License-Identifier: MIT
// The game's clock, delays, events and key states in a browser tab. Every
// wait of the game comes here: SDL_Delay sleeps through emscripten_sleep,
// which hands the tab back to the browser to paint, play sound and deliver
// input until the delay is over.
#include <SDL.h>

#include "platform/Platform.h"
#include "web/src/BrowserKeys.h"

namespace {

class BrowserBackend : public PlatformBackend {
public:
    Uint32 GetTicks() override { return SDL_GetTicks(); }
    void Delay(Uint32 ms) override { SDL_Delay(ms); }
    int PollEvent(SDL_Event* event) override {
        const int got = SDL_PollEvent(event);
        if (got && event && (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP)) {
            event->key.keysym.sym = ClassicKeyCode(event->key.keysym.sym);
        }
        return got;
    }
    Uint8* GetKeyState() override {
        ReadClassicKeyState(SDL_GetKeyboardState(nullptr), keys);
        return keys;
    }

private:
    Uint8 keys[SDLK_LAST] = {};
};

}  // namespace

PlatformBackend& Platform::OwnBackend() {
    static BrowserBackend backend;
    return backend;
}
