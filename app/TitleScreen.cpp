// SPDX-License-Identifier: MIT
#include "app/TitleScreen.h"

#include "app/FramePacer.h"
#include "app/Joystick.h"
#include "platform/Platform.h"

TitleScreen::TitleScreen(SDL_Surface* screen, int framePeriodMs)
    : screen(screen),
      framePeriodMs(framePeriodMs),
      titleImage(LoadOpaqueImage("./Images/Panorama/Titre.png")) {}

bool TitleScreen::Run() {
    // Open while the title shows, so a player with only a stick can start;
    // closed again before the play-through opens its own.
    Joystick joystick;
    FramePacer pacer(Platform::GetTicks(), static_cast<Uint32>(framePeriodMs));
    bool quit = false;
    // RETURN and joystick buttons count only from the second frame on, so a
    // key still bouncing from the end of a play-through does not restart it.
    bool ready = false;
    for (;;) {
        // Quit is looked at only here, so a RETURN later in the same batch
        // as an ESC still starts a play-through.
        if (quit) {
            return false;
        }
        DrawSurface(titleImage.get(), screen, MakeRect(0, 0, 0, 0));
        SDL_Flip(screen);

        SDL_Event event;
        while (Platform::PollEvent(&event)) {
            switch (event.type) {
                case SDL_QUIT:
                    quit = true;
                    break;
                case SDL_KEYDOWN:
                    if (event.key.keysym.sym == SDLK_ESCAPE) {
                        quit = true;
                    } else if (event.key.keysym.sym == SDLK_RETURN && ready) {
                        return true;  // the rest of the queue is left for play
                    }
                    break;
                case SDL_JOYBUTTONDOWN:
                    if (ready) {
                        return true;
                    }
                    break;
                default:
                    break;
            }
        }
        pacer.Wait(Platform::GetTicks());
        ready = true;
    }
}
