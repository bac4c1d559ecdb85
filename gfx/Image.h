#pragma once

#include <SDL.h>

#include <memory>

#include "gfx/Rect.h"

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
// A surface owned by the object that loaded it.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Loads a sprite (PNG through SDL_image, BMP through SDL's loader), makes the
// given colour transparent and converts it to the display format. A picture
// that cannot be read stops the game with a message naming its path.
SurfacePtr LoadKeyedImage(const char* path, Uint8 r, Uint8 g, Uint8 b);

// Loads a full-screen picture, converted to the display format, no colour key.
SurfacePtr LoadOpaqueImage(const char* path);

// Draws the whole source with its top-left corner at the rectangle's x and y;
// w and h play no part and SDL clips to the destination.
void DrawSurface(SDL_Surface* source, SDL_Surface* destination, Rect where);
