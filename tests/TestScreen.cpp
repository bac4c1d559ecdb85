#include "tests/TestScreen.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "gfx/Failure.h"

TestScreen::TestScreen(bool withAudio) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
        return;
    }
    screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen) {
        ADD_FAILURE() << "SDL_SetVideoMode: " << SDL_GetError();
    }
    if (withAudio) {
        audioOpen = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) == 0;
    }
}

TestScreen::~TestScreen() {
    ShutDownSdl();
}

void ReadRgb(SDL_Surface* surface, int x, int y, Uint8* r, Uint8* g, Uint8* b) {
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 pixel = 0;
    switch (surface->format->BytesPerPixel) {
        case 4:
            pixel = reinterpret_cast<const Uint32*>(row)[x];
            break;
        case 2:
            pixel = reinterpret_cast<const Uint16*>(row)[x];
            break;
        default:
            pixel = row[x];
            break;
    }
    SDL_UnlockSurface(surface);
    SDL_GetRGB(pixel, surface->format, r, g, b);
}
