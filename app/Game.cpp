#include "app/Game.h"

Game::Game(SDL_Surface* screen, int framePeriodMs) : screen(screen), framePeriodMs(framePeriodMs) {}

void Game::Run() {}
