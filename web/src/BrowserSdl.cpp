// SPDX-License-Identifier: MIT
// What the browser's SDL leaves out and the game relies on. Its surfaces are
// canvases that blend by their alpha, and its SDL_SetColorKey does nothing;
// here a colour key becomes transparency once, when it is set: every pixel
// of the key colour gets alpha 0, so blits leave it out as SDL's key would.
// The game sets its keys at load time only, so no frame pays for this.
#include <SDL.h>
#include <emscripten.h>

namespace {

// The browser's surfaces hold bytes R, G, B, A: as a little-endian word the
// colour is the low 24 bits and alpha the top 8, as SDL_MapRGB returns it.
constexpr Uint32 ColourBits = 0x00ffffff;

void MakeKeyTransparent(SDL_Surface* surface, Uint32 key) {
    if (SDL_LockSurface(surface) != 0) {
        return;
    }
    auto* row = static_cast<Uint8*>(surface->pixels);
    for (int y = 0; y < surface->h; ++y, row += surface->pitch) {
        auto* pixel = reinterpret_cast<Uint32*>(row);
        for (int x = 0; x < surface->w; ++x) {
            if ((pixel[x] & ColourBits) == (key & ColourBits)) {
                pixel[x] = 0;
            }
        }
    }
    SDL_UnlockSurface(surface);
}

}  // namespace

extern "C" {

int SDL_SetColorKey(SDL_Surface* surface, int flag, Uint32 key) {
    if (!surface) {
        return -1;
    }
    if (flag & SDL_SRCCOLORKEY) {
        MakeKeyTransparent(surface, key);
    }
    return 0;
}

// The display is the page's canvas, which notes the blits drawn on it and
// paints them only when the browser next shows it, between two tasks: at
// real speed, just when a frame's wait should end. Reading a pixel back
// paints them now, so a frame's drawing is done when the frame is shown,
// as on the desktop, and its wait wakes on time.
int SDL_Flip(SDL_Surface*) {
    EM_ASM({ Module.canvas.getContext("2d").getImageData(0, 0, 1, 1); });
    return 0;
}

// A display-format copy keeps the alpha, and with it the transparency above.
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return SDL_DisplayFormatAlpha(surface);
}

}  // extern "C"
