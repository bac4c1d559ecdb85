// SPDX-License-Identifier: MIT
#include "simulation/Screenshot.h"

#include <cstring>

#include "assets/Canvas.h"
#include "assets/PngWriter.h"

bool SaveScreenshot(SDL_Surface* surface, const std::string& path, int shrink) {
    Canvas canvas(surface->w, surface->h);
    SDL_LockSurface(surface);
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            // Pixels are stored in the machine's own byte order.
            Uint32 pixel = 0;
            if (bytes == 4) {
                std::memcpy(&pixel, row + x * 4, 4);
            } else if (bytes == 2) {
                Uint16 narrow = 0;
                std::memcpy(&narrow, row + x * 2, 2);
                pixel = narrow;
            } else {
                pixel = row[x * bytes];
            }
            Rgb colour;
            SDL_GetRGB(pixel, surface->format, &colour.r, &colour.g, &colour.b);
            canvas.SetRaw(x, y, colour);
        }
    }
    SDL_UnlockSurface(surface);
    return WritePng(path, shrink > 1 ? canvas.Shrunk(shrink) : canvas);
}
