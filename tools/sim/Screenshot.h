#pragma once

#include <SDL.h>

#include <string>

// Writes what a surface shows as a PNG file. False when it cannot.
bool SaveScreenshot(SDL_Surface* surface, const std::string& path);
