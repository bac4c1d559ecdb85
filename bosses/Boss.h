// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <array>

#include "bosses/BossDescription.h"
#include "enemies/DeathSequence.h"
#include "enemies/Enemy.h"
#include "gfx/Image.h"
#include "gfx/Sound.h"
#include "shots/ShotSlots.h"

// What the four bosses share: a large enemy with its own images and sounds
// and a phase machine that flies it in, fires its bursts on a fixed cadence
// and, for all but the last boss, flies it out again. Each boss only hands
// its description to this class.
class Boss : public Enemy {
public:
    bool Update() final;
    int TestHits(Shot** heroShots, int count) final;
    bool IsDestroyed() final { return state == EnemyState::Destroyed; }
    Shot** GetShots() final { return shots.Data(); }
    int GetShotSlotCount() final { return shots.Count(); }
    void HandleKeys(Uint8*) final {}

    // Spawns one burst of the current pattern into the lowest free slots;
    // the shot sound plays only when the whole burst went out. The attack
    // phases call it; it is public so that a burst can be fired at a chosen
    // moment.
    void FireBurst();

    // Read-only views for the tests and the trace.
    const char* Name() const { return description.name; }
    BossPhase Phase() const { return phase; }
    int PhaseTimer() const { return phaseTimer; }
    int PhaseLength() const { return phaseLength; }
    int Pattern() const { return pattern; }
    int SpinAngle() const { return spinAngle; }
    int SpinDirection() const { return spinDirection; }
    int BurstCycle() const { return burstCycle; }
    int HitPoints() const { return hitPoints; }
    EnemyState State() const { return state; }
    int Frame() const { return frame; }
    int ExplosionFrame() const { return death.ExplosionFrame(); }
    int FinishCounter() const { return death.FramesAfter(); }
    int LiveShotCount() const { return shots.LiveCount(); }

    static constexpr int ShotSlotCount = 2000;
    // Frames counted after the explosion before a boss may finish.
    static constexpr int FinishDelay = DeathSequence::FinishDelay;

protected:
    Boss(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime,
         const BossDescription& description);

private:
    // Movement and phase step of one frame, while hit points are left.
    void Behave();
    // Draws the enemy by its state; false once it may be deleted.
    bool Draw(bool shotsPending);
    // Taken out of play, without explosion, sound or points, when the
    // rectangle from before this frame's move lies outside the boss band.
    void TakeOutIfOutside(Rect before);

    void Approach(int* dx, int* dy);
    void RunPhase(int* dx, int* dy);
    void Attack();
    void FireWithTurn();
    void TurnSpin();
    void Leave(int* dx);
    void StartAttack(const AttackPhase& next);
    void StartLeave();
    void EnterPhase(BossPhase next, int length);
    // Flips the animation image when the phase timer is a multiple of the
    // period (0 included); a period of 0 never animates.
    void Animate(int period);
    const AttackPhase& AttackOf(BossPhase attackPhase) const;
    const Burst* BurstOf(int key) const;

    const BossDescription& description;
    SDL_Surface* screen;  // borrowed
    int hitPoints;
    std::array<SurfacePtr, 2> frames;
    std::array<SurfacePtr, 2> flashFrames;
    SurfacePtr explosionStrip;
    std::array<SurfacePtr, ShotImageCount> shotImages;
    ChunkPtr explosionSound;
    ChunkPtr arrivalSound;  // null for a boss that arrives silently
    ChunkPtr shotSound;
    DeathSequence death;
    // Declared after the images, which its shots borrow, so they go first.
    ShotSlots shots;

    int frame = 0;
    EnemyState state = EnemyState::Normal;
    bool leftPlayfield = false;
    BossPhase phase = BossPhase::Approach;
    const AttackPhase* attack = nullptr;  // the current attack phase
    int phaseTimer = 0;
    int phaseLength;
    int pattern = 0;
    int spinAngle = 0;
    int spinDirection = 1;
    int burstCycle = 0;
};
