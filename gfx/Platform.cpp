// SPDX-License-Identifier: MIT
#include "gfx/Platform.h"

#include <algorithm>

#include "gfx/ProcessGuard.h"

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

SdlBackend sdlBackend;
PlatformBackend* current = &sdlBackend;

}  // namespace

namespace Platform {

Uint32 GetTicks() {
    return current->GetTicks();
}
// Every screen of the game polls or pauses each frame, so a termination
// signal is acted on here.
void Delay(Uint32 ms) {
    ProcessGuard::StopIfSignalled();
    current->Delay(ms);
    ProcessGuard::StopIfSignalled();
}
int PollEvent(SDL_Event* event) {
    ProcessGuard::StopIfSignalled();
    return current->PollEvent(event);
}
Uint8* GetKeyState() {
    return current->GetKeyState();
}
void PassJoystick(JoystickState* state) {
    current->PassJoystick(state);
}

void SetBackend(PlatformBackend* backend) {
    current = backend ? backend : &sdlBackend;
}
PlatformBackend* Backend() {
    return current;
}

}  // namespace Platform
