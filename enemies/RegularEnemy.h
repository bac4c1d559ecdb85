// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "enemies/DeathSequence.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyBank.h"
#include "shots/ShotSlots.h"

// The numbers that tell one regular enemy kind from another.
struct RegularEnemyTraits {
    EnemyKind kind;
    int score;
    int hitPoints;
    int shotSlotCount;
    int explosionWidth;
    int explosionHeight;
    int explosionFrames;
    int explosionFrameTimeMs;
    // Kinds that draw their shots first cover them with their own body.
    bool drawsShotsFirst;
};

// One shot of a volley: its four path segments.
struct VolleyShot {
    ShotSegment segments[4];
};

// What the five regular enemy kinds share: their state, the frame every one
// of them follows (behaviour, drawing by state, shots, the finish rule), the
// hit test and the volleys. A kind gives its numbers and its behaviour step.
class RegularEnemy : public Enemy {
public:
    RegularEnemy(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                 int halfHeight, int appearTime, const RegularEnemyTraits& traits);

    bool Update() final;
    int TestHits(Shot** heroShots, int count) override;
    bool IsDestroyed() final { return state == EnemyState::Destroyed; }
    Shot** GetShots() final { return shots.Data(); }
    int GetShotSlotCount() final { return shots.Count(); }
    void HandleKeys(Uint8*) final {}

    // For the tests and the trace.
    EnemyState GetState() const { return state; }
    int GetHitPoints() const { return hitPoints; }
    int GetFrame() const { return frame; }
    const ShotSlots& Shots() const { return shots; }
    bool IsExploding() const { return state == EnemyState::Destroyed && death.IsExploding(); }

protected:
    // Movement, animation, firing and the playfield exit of one update.
    virtual void Behave() = 0;
    // Called when a hit empties the hit points, before the enemy is marked
    // destroyed.
    virtual void OnKilled() {}

    // Flips the animation frame every period updates.
    void Animate(int period);
    // Straight down at speed for travel updates, then slanting by drift.
    void FallThenSlant();
    // Taken out of play without explosion, sound or points when the
    // rectangle from before this update's move lies outside the playfield.
    void ExitIfOutside(Rect before);
    // Puts the volley's shots into the first free slots, each in the given
    // box; the shot sound plays only when the whole volley went out.
    void FireVolley(const VolleyShot* volley, int count, Rect box);

    SDL_Surface* screen;  // borrowed
    int hitPoints;
    ShotSlots shots;
    const EnemyMedia* media;  // borrowed from the bank
    int frame = 0;
    int frameTicks = 0;
    EnemyState state = EnemyState::Normal;
    DeathSequence death;
    int steps = 0;
    int travel = 0;
    int speed = 0;
    int drift = 0;

private:
    // Draws the enemy by its state; false once it may be deleted.
    bool Draw(bool shotsPending);

    bool drawsShotsFirst;
};
