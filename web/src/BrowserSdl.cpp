// SPDX-License-Identifier: MIT
// What the browser's SDL leaves out and the game relies on. Its surfaces are
// canvases that blend by their alpha, and its SDL_SetColorKey does nothing;
// here a colour key becomes transparency once, when it is set: every pixel
// of the key colour gets alpha 0, so blits leave it out as SDL's key would.
// The game sets its keys at load time only, so no frame pays for this.
#include <SDL.h>
#include <SDL_mixer.h>
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

// A display-format copy keeps the alpha, and with it the transparency above.
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return SDL_DisplayFormatAlpha(surface);
}

// The browser's mixer is never "open" in a way that needs closing: its
// sounds are the page's own audio elements.
int Mix_QuerySpec(int* frequency, Uint16* format, int* channels) {
    if (frequency) {
        *frequency = 0;
    }
    if (format) {
        *format = 0;
    }
    if (channels) {
        *channels = 0;
    }
    return 0;
}

}  // extern "C"

#undef Mix_PlayMusic

int BrowserPlayMusic(Mix_Music* music, int loops) {
    if (!music) {
        return -1;
    }
    // A track is one audio element of the page, loaded once for every
    // play-through; one halted by ESC would go on from where it stopped.
    EM_ASM(
        {
            var track = SDL.audios[$0];
            if (track && track.audio) {
                track.audio.currentTime = 0;
            }
        },
        music);
    return Mix_PlayMusic(music, loops);
}
