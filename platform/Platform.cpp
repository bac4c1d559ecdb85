// SPDX-License-Identifier: MIT
#include "platform/Platform.h"

#include "platform/ProcessGuard.h"

namespace {

PlatformBackend* current = &Platform::OwnBackend();

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
    current = backend ? backend : &OwnBackend();
}
PlatformBackend* Backend() {
    return current;
}

}  // namespace Platform
