// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/DrivenPlatform.h"

// SDL's own clock, delays, events and keyboard, for a simulation watched in
// a real window at real speed; the keys a pilot holds count as pressed too,
// and events the driver queues come before the window's own.
class WindowPlatform : public DrivenPlatform {
public:
    Uint32 GetTicks() override { return SDL_GetTicks(); }
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override;
    Uint8* GetKeyState() override;

private:
    Uint8 merged[SDLK_LAST] = {};
};
