// SPDX-License-Identifier: MIT
#include "platform/Failure.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

void ShutDownSdl() {
    // Mix_QuerySpec reports whether the device is open; closing an unopened
    // mixer is harmless but would print nothing useful either.
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    while (Mix_QuerySpec(&frequency, &format, &channels) != 0) {
        Mix_CloseAudio();
    }
    SDL_Quit();
}

void StopWithError(int exitCode, const char* format, ...) {
    std::fputs("corvanel: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::fflush(stdout);
    ShutDownSdl();
    std::exit(exitCode);
}
