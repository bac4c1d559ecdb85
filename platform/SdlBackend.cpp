// SPDX-License-Identifier: MIT
// The desktop's clock, delays, events and key states: SDL's own.
#include <SDL.h>

#include <algorithm>

#include "platform/Platform.h"
#include "platform/ProcessGuard.h"

namespace {

// The longest nap of a pause: a termination signal does not wait behind
// the newspaper's three seconds.
constexpr Uint32 NapMs = 50;

class SdlBackend : public PlatformBackend {
public:
    Uint32 GetTicks() override { return SDL_GetTicks(); }
    void Delay(Uint32 ms) override {
        const Uint32 start = SDL_GetTicks();
        for (Uint32 passed = 0; passed < ms && !ProcessGuard::StopPending();
             passed = SDL_GetTicks() - start) {
            SDL_Delay(std::min(ms - passed, NapMs));
        }
    }
    int PollEvent(SDL_Event* event) override { return SDL_PollEvent(event); }
    Uint8* GetKeyState() override { return SDL_GetKeyState(nullptr); }
};

}  // namespace

PlatformBackend& Platform::OwnBackend() {
    static SdlBackend backend;
    return backend;
}
