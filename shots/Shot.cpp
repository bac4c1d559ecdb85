// SPDX-License-Identifier: MIT
#include "shots/Shot.h"

#include "gfx/Image.h"

Shot::Shot(SDL_Surface* screen, SDL_Surface* imageA, SDL_Surface* imageB, Rect rect, int dx0,
           int dy0, int frames0, int dx1, int dy1, int frames1, int dx2, int dy2, int frames2,
           int dx3, int dy3, int frames3)
    : screen(screen),
      imageA(imageA),
      imageB(imageB),
      rect(rect),
      segments{
          {{dx0, dy0, frames0}, {dx1, dy1, frames1}, {dx2, dy2, frames2}, {dx3, dy3, frames3}}},
      blinkCounter(0),
      scripted(0) {}

Shot::Shot(SDL_Surface* screen, SDL_Surface* imageA, SDL_Surface* imageB, Rect rect, int trajectory)
    : screen(screen),
      imageA(imageA),
      imageB(imageB),
      rect(rect),
      segments{},
      blinkCounter(-1),
      scripted(1),
      trajectory(trajectory) {}

void Shot::SetPath(int originX_, int originY_, int radius_, int angle_, int angleStep_,
                   int radiusStep_, int phaseFrames_, int releaseFrame_) {
    originX = originX_;
    originY = originY_;
    radius = radius_;
    angle = angle_;
    angleStep = angleStep_;
    radiusStep = radiusStep_;
    phaseFrames = phaseFrames_;
    releaseFrame = releaseFrame_;
}

void Shot::Update(bool* alive) {
    if (scripted) {
        MoveTrajectory();
    } else {
        MovePath();
    }

    // A for 4 updates, B for 5; a path shot's very first run of A is 3 long.
    ++blinkCounter;
    SDL_Surface* image = imageA;
    if (blinkCounter >= 4 && blinkCounter <= 8) {
        image = imageB;
    } else if (blinkCounter > 8) {
        blinkCounter = 0;
    }
    DrawSurface(image, screen, rect);

    *alive = !IsOutsideArea();
}

void Shot::MovePath() {
    ShotSegment& current = segments[segment];
    MoveRect(rect, current.dx, current.dy);
    // The last segment is never counted down: the shot keeps its step for
    // ever. A count that starts at 0 or below never reaches 0 either, so it
    // is left alone rather than counted down past the end of int.
    if (segment < 3 && current.frames > 0) {
        --current.frames;
        if (current.frames == 0) {
            ++segment;
        }
    }
}

bool Shot::IsOutsideArea() const {
    if (scripted && trajectory == 6) {
        // Straight boss rays are kept until they are well off the screen.
        return rect.x + rect.w < -100 || rect.x > 740 || rect.y > 580 || rect.y + rect.h < -100;
    }
    return IsOutsidePlayfield(rect);
}
