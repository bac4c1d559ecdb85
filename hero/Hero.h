// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Image.h"
#include "gfx/Rect.h"
#include "gfx/Sound.h"
#include "gfx/StripPlayback.h"
#include "platform/JoystickState.h"
#include "shots/ShotSlots.h"

enum class HeroState : Sint32 {
    Flying = 0,      // normal play
    Exploding = 1,   // hit: the explosion plays
    Recovering = 2,  // back in play in the hit look, cannot be hurt
    Entering = 3,    // rising from the bottom edge after a lost life
};

// The direction of the last movement step; Level when the ship did not move.
enum class HeroPose : Sint32 { Level = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// The player's ship: position, pose and animation, lives, its weapon and
// the hits it takes.
class Hero {
public:
    Hero(SDL_Surface* screen, Rect start, int lives, int shotSlotCount, int explosionFrameTimeMs,
         int explosionFrameCount, int explosionFrameWidth, int explosionFrameHeight);

    // Fires while G or joystick button 0 is held, one shot every 61 ms at
    // most. Runs before Move, which it slows.
    void Fire(const Uint8* keys, const JoystickState* joystick);
    // Flies the ship under the arrow keys or the stick.
    void Move(const Uint8* keys, const JoystickState* joystick);
    // Moves and draws the shots, then draws the ship or its explosion.
    void Update();

    Shot** GetShots() { return shots.Data(); }
    int GetShotSlotCount() const { return shots.Count(); }
    void DestroyShot(int slot) { shots.Destroy(slot); }

    // Enemy shots: a near miss grants red shots, a hit destroys the ship.
    void CheckShotHits(Shot** enemyShots, int count);
    // An enemy's body: a hit when the centres come within the margins.
    void CheckBodyHit(Rect enemy, int marginX, int marginY);
    bool IsInvulnerable() const { return state != HeroState::Flying; }
    int GetLives() const { return lives; }
    bool IsOutOfLives() const { return lives <= 0; }

    // Read-only views for the HUD, the simulator and the tests.
    Rect GetRect() const { return rect; }
    HeroState GetState() const { return state; }
    HeroPose GetPose() const { return pose; }
    int GetTilt() const { return tilt; }
    int GetBonusTimer() const { return bonusTimer; }
    const ShotSlots& Shots() const { return shots; }

    // Where the ship starts and re-enters.
    static constexpr int StartX = 306;
    static constexpr int StartY = 420;
    static constexpr int ReentryY = 480;

private:
    // One pose's pair of surfaces, two loads of one file.
    struct ImagePair {
        SurfacePtr image[2];
    };

    void DrawShip(const ImagePair* pairs);
    void AdvanceAnimation();
    void Explode();
    void UpdateExplosion();
    void UpdateEntering();
    void UpdateRecovering();

    SDL_Surface* screen;  // borrowed
    Rect rect;
    int hitMarginX = 1;
    int hitMarginY = 1;
    int lives;
    ShotSlots shots;
    ImagePair normalImages[5];
    ImagePair hitImages[5];
    SurfacePtr explosionStrip;
    int animationFrame = 0;
    int animationCounter = 0;
    int tilt = 0;
    HeroState state = HeroState::Flying;
    HeroPose pose = HeroPose::Level;
    StripPlayback explosion;
    ChunkPtr explosionSound;
    ChunkPtr shotSound;
    SurfacePtr blueShotImage;
    SurfacePtr redShotImage;
    bool firing = false;
    Uint32 lastShotTime = 0;
    bool explosionSoundPending = false;
    int recoveryCounter = 0;
    int bonusTimer = 0;
};
