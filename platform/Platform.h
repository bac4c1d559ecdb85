// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

struct JoystickState;

// The clock, delays, the event queue and the keyboard state reach the game
// only through here. By default they are SDL's own; tests and the simulator
// install a backend that runs on virtual time and feeds its own input.
class PlatformBackend {
public:
    virtual ~PlatformBackend() = default;
    virtual Uint32 GetTicks() = 0;
    virtual void Delay(Uint32 ms) = 0;
    virtual int PollEvent(SDL_Event* event) = 0;
    virtual Uint8* GetKeyState() = 0;
    // The stick's state once the frame has read it: a recorder notes it, a
    // replay puts the recorded one in its place. Nothing by default.
    virtual void PassJoystick(JoystickState*) {}
};

namespace Platform {

Uint32 GetTicks();
void Delay(Uint32 ms);
int PollEvent(SDL_Event* event);
// SDL's key-state array, one byte per key code, 1 while the key is down.
Uint8* GetKeyState();
void PassJoystick(JoystickState* state);

// Installs a backend, which stays owned by the caller; null restores the
// platform's own.
void SetBackend(PlatformBackend* backend);
PlatformBackend* Backend();

// The platform's own backend: SDL's on the desktop (platform/SdlBackend.cpp),
// the browser's in the web build; each build links exactly one.
PlatformBackend& OwnBackend();

}  // namespace Platform
