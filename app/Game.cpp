// SPDX-License-Identifier: MIT
#include "app/Game.h"

#include "app/PlayThrough.h"
#include "platform/Platform.h"

Game::Game(SDL_Surface* screen, int framePeriodMs) : screen(screen), framePeriodMs(framePeriodMs) {}

void Game::Run() {
    {
        PlayThrough play(screen, framePeriodMs, observer);
        play.ShowEndScreens(play.Play());
    }
    Platform::Delay(1000);
}
