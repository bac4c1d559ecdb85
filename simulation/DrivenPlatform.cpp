// SPDX-License-Identifier: MIT
#include "simulation/DrivenPlatform.h"

DrivenPlatform::~DrivenPlatform() {
    if (installed && Platform::Backend() == this) {
        Platform::SetBackend(nullptr);
    }
}

void DrivenPlatform::Install() {
    Platform::SetBackend(this);
    installed = true;
}

void DrivenPlatform::PushKeyDown(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    events.push_back(event);
}

void DrivenPlatform::PushQuit() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    events.push_back(event);
}

void DrivenPlatform::ReleaseAllKeys() {
    for (Uint8& key : keys) {
        key = 0;
    }
}

bool DrivenPlatform::PopEvent(SDL_Event* event) {
    if (events.empty() && onEmptyQueue) {
        onEmptyQueue();
    }
    if (events.empty()) {
        return false;
    }
    if (event) {
        *event = events.front();
        events.pop_front();
    }
    return true;
}

void DrivenPlatform::DelayPassed(Uint32 ms) {
    if (onDelay) {
        onDelay(ms);
    }
}
