// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <string>

// Writes what a surface shows as a PNG file, shrunk by a whole factor (1
// keeps every pixel). False when it cannot.
bool SaveScreenshot(SDL_Surface* surface, const std::string& path, int shrink = 1);
