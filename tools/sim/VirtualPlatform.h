#pragma once

#include <SDL.h>

#include <deque>
#include <functional>

#include "gfx/Platform.h"

// A platform on virtual time for tests and the simulator: the clock stands
// still while the game works and a delay moves it forward at once, so a
// play-through runs deterministically and as fast as the machine allows.
// Events and key states are whatever the driver puts in.
class VirtualPlatform : public PlatformBackend {
public:
    explicit VirtualPlatform(Uint32 startTicks = 0);
    ~VirtualPlatform() override;

    // Makes this the game's platform for as long as it lives.
    void Install();

    Uint32 GetTicks() override { return now; }
    Uint32 Now() const { return now; }
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override;
    Uint8* GetKeyState() override { return keys; }

    void Advance(Uint32 ms) { now += ms; }
    void PushEvent(const SDL_Event& event) { events.push_back(event); }
    void PushKeyDown(SDLKey key);
    void PushQuit();
    void SetKey(SDLKey key, bool down) { keys[key] = down ? 1 : 0; }
    void ReleaseAllKeys();
    size_t PendingEvents() const { return events.size(); }

    // Called whenever the game finds the queue empty, so a driver can answer
    // a screen that waits for a key.
    void OnEmptyQueue(std::function<void()> callback) { onEmptyQueue = std::move(callback); }
    // Called with every delay the game asks for, once the clock has moved.
    void OnDelay(std::function<void(Uint32)> callback) { onDelay = std::move(callback); }

private:
    Uint32 now;
    std::deque<SDL_Event> events;
    Uint8 keys[SDLK_LAST] = {};
    std::function<void()> onEmptyQueue;
    std::function<void(Uint32)> onDelay;
    bool installed = false;
};
