// SPDX-License-Identifier: MIT
#include "gfx/Platform.h"

namespace {

class SdlBackend : public PlatformBackend {
public:
    Uint32 GetTicks() override { return SDL_GetTicks(); }
    void Delay(Uint32 ms) override { SDL_Delay(ms); }
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
void Delay(Uint32 ms) {
    current->Delay(ms);
}
int PollEvent(SDL_Event* event) {
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
