// SPDX-License-Identifier: MIT
#include "gfx/StripPlayback.h"

#include "gfx/Ticks.h"
#include "platform/Platform.h"

StripPlayback::StripPlayback(SDL_Surface* strip, int frameWidth, int frameHeight, int frameCount,
                             int frameTimeMs)
    : strip(strip),
      frameWidth(frameWidth),
      frameHeight(frameHeight),
      frameCount(frameCount),
      frameTimeMs(static_cast<Uint32>(frameTimeMs)) {}

void StripPlayback::Step(SDL_Surface* screen, Rect owner) {
    // Taken before the index moves on; for index 0 it lies left of the sheet.
    Rect source = MakeRect(frameWidth * (index - 1), 0, frameWidth, frameHeight);
    const Uint32 now = Platform::GetTicks();
    if (TicksSince(now, lastAdvance) > frameTimeMs) {
        ++index;
        lastAdvance = now;
    }
    Rect destination = MakeRect(CentreX(owner) - frameWidth / 2, CentreY(owner) - frameHeight / 2,
                                frameWidth, frameHeight);
    if (source.x < 0) {
        // SDL would clip this to nothing anyway; a negative source x is not
        // something to hand to the blitter.
        return;
    }
    SDL_UpperBlit(strip, &source, screen, &destination);
}
