// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <deque>
#include <functional>

#include "platform/Platform.h"

// A platform that a driver (a test, the simulator, a pilot) feeds: events it
// queues reach the game's event polls, keys it holds read as down.
class DrivenPlatform : public PlatformBackend {
public:
    ~DrivenPlatform() override;

    // Makes this the game's platform for as long as it lives.
    void Install();

    void PushEvent(const SDL_Event& event) { events.push_back(event); }
    void PushKeyDown(SDLKey key);
    void PushQuit();
    void SetKey(SDLKey key, bool down) { keys[key] = down ? 1 : 0; }
    void ReleaseAllKeys();
    // The keys the driver holds, to change in place.
    Uint8* DriverKeys() { return keys; }
    size_t PendingEvents() const { return events.size(); }

    // Called whenever the game finds the queue empty, so a driver can answer
    // a screen that waits for a key.
    void OnEmptyQueue(std::function<void()> callback) { onEmptyQueue = std::move(callback); }
    // Called with every delay the game asks for, once it has passed.
    void OnDelay(std::function<void(Uint32)> callback) { onDelay = std::move(callback); }

protected:
    // The next queued event, if any; asks the driver first when none is.
    bool PopEvent(SDL_Event* event);
    void DelayPassed(Uint32 ms);

    Uint8 keys[SDLK_LAST] = {};

private:
    std::deque<SDL_Event> events;
    std::function<void()> onEmptyQueue;
    std::function<void(Uint32)> onDelay;
    bool installed = false;
};
