// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <array>

#include "gfx/LiveCount.h"
#include "gfx/Rect.h"

// One straight piece of a path: a per-frame step held for a number of frames.
struct ShotSegment {
    int dx;
    int dy;
    int frames;
};

// The one projectile of the game, fired by the ship, the enemies and the
// bosses alike. In path mode it follows four straight segments, the last for
// ever; in trajectory mode it flies a ray or spiral around an origin. It
// blinks between two images and tells its owner when it has left its area.
class Shot {
public:
    // Path mode.
    Shot(SDL_Surface* screen, SDL_Surface* imageA, SDL_Surface* imageB, Rect rect, int dx0, int dy0,
         int frames0, int dx1, int dy1, int frames1, int dx2, int dy2, int frames2, int dx3,
         int dy3, int frames3);
    // Trajectory mode; the creator calls SetPath before the first update.
    Shot(SDL_Surface* screen, SDL_Surface* imageA, SDL_Surface* imageB, Rect rect, int trajectory);

    void SetPath(int originX, int originY, int radius, int angle, int angleStep, int radiusStep,
                 int phaseFrames, int releaseFrame);
    void SetDamage(int n) { damage = n; }
    int GetDamage() const { return damage; }
    Rect GetRect() const { return rect; }

    // One frame: move, pick the image, draw, then set alive to false when
    // the shot is outside its area.
    void Update(bool* alive);

    // Trajectory state, for the trace and the tests.
    int Radius() const { return radius; }
    int Angle() const { return angle; }
    int Timer() const { return timer; }
    int Stage() const { return stage; }

private:
    void MovePath();
    void MoveTrajectory();
    void PlaceOnRay();
    bool IsOutsideArea() const;

    SDL_Surface* screen;  // borrowed, like both images
    SDL_Surface* imageA;
    SDL_Surface* imageB;
    Rect rect;
    std::array<ShotSegment, 4> segments;
    int segment = 0;
    int blinkCounter;
    int vx = 99;  // 99, 99 until a trajectory's first step has run
    int vy = 99;
    int scripted;
    int trajectory = 0;
    int timer = 0;
    int stage = 0;
    int originX = 0;
    int originY = 0;
    int radius = 0;
    int angle = 0;
    int angleStep = 0;
    int radiusStep = 0;
    int phaseFrames = 0;
    int releaseFrame = 0;
    int damage = 1;
    CountedLife<Held::Shot> counted;
};
