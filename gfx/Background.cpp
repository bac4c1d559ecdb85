// SPDX-License-Identifier: MIT
#include "gfx/Background.h"

#include "gfx/Playfield.h"

Background::Background(SDL_Surface* screen, const char* imagePath, int kind, Rect start)
    : screen(screen),
      imageA(LoadOpaqueImage(imagePath)),
      imageB(LoadOpaqueImage(imagePath)),
      kind(kind),
      rectA(start),
      rectB(MakeRect(start.x, start.y - start.h, start.w, start.h)),
      homeB(rectB) {}

void Background::Scroll(int speed) {
    if (kind == FullScreenWrap) {
        ScrollWrapping(speed);
    } else if (kind == LeapFrogStrip) {
        ScrollLeapFrog(speed);
    }
}

void Background::ScrollWrapping(int speed) {
    int offset = rectA.y;
    if (offset < ScreenHeight - speed) {
        offset += speed;
        rectA.y = Wrap16(offset);
        // What left the bottom comes back in at the top.
        Rect source = MakeRect(0, ScreenHeight - offset, ScreenWidth, offset);
        Rect destination = MakeRect(0, 0, 0, 0);
        SDL_UpperBlit(imageA.get(), &source, screen, &destination);
    } else {
        // The step that would reach 480 starts the picture over instead.
        rectA = MakeRect(0, 0, ScreenWidth, ScreenHeight);
    }
    DrawSurface(imageA.get(), screen, MakeRect(0, rectA.y, 0, 0));
}

void Background::ScrollLeapFrog(int speed) {
    MoveRect(rectA, 0, speed);
    const Rect drawA = rectA;
    MoveRect(rectB, 0, speed);
    const Rect drawB = rectB;
    // The copy that has left the bottom goes above the other one; this
    // frame still shows both where they were before the wrap.
    if (rectA.y >= ScreenHeight) {
        rectA = homeB;
        rectB.y = Wrap16(rectA.y + rectA.h);
    } else if (rectB.y >= ScreenHeight) {
        rectB = homeB;
        rectA.y = Wrap16(rectB.y + rectB.h);
    }
    DrawSurface(imageA.get(), screen, drawA);
    DrawSurface(imageB.get(), screen, drawB);
}
