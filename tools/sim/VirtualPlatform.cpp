#include "tools/sim/VirtualPlatform.h"

VirtualPlatform::VirtualPlatform(Uint32 startTicks) : now(startTicks) {}

VirtualPlatform::~VirtualPlatform() {
    if (installed && Platform::Backend() == this) {
        Platform::SetBackend(nullptr);
    }
}

void VirtualPlatform::Install() {
    Platform::SetBackend(this);
    installed = true;
}

void VirtualPlatform::Delay(Uint32 ms) {
    now += ms;
    if (onDelay) {
        onDelay(ms);
    }
}

int VirtualPlatform::PollEvent(SDL_Event* event) {
    if (events.empty() && onEmptyQueue) {
        onEmptyQueue();
    }
    if (events.empty()) {
        return 0;
    }
    if (event) {
        *event = events.front();
        events.pop_front();
    }
    return 1;
}

void VirtualPlatform::PushKeyDown(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    events.push_back(event);
}

void VirtualPlatform::PushQuit() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    events.push_back(event);
}

void VirtualPlatform::ReleaseAllKeys() {
    for (Uint8& key : keys) {
        key = 0;
    }
}
