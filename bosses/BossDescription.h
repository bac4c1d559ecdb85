// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "bosses/Burst.h"

// A boss's phase: its approach, one of the attack phases, or leaving.
enum class BossPhase {
    Approach = 0,
    RadioZondeSpirals = 5,
    MetroidScatter = 8,
    FeeFans = 9,
    XantumStars = 17,
    XantumRings = 18,
    Leave = 21,
};

// An image file and the colour that is transparent in it.
struct KeyedImageFile {
    const char* path;
    Uint8 r;
    Uint8 g;
    Uint8 b;
};

// How a boss flies in from the edge of the playfield.
struct ApproachMove {
    int length;  // frames before the first attack phase starts
    int dx;      // per frame while it moves
    int dy;
    int movingFrames;  // it moves while the phase timer is below this
    int animationPeriod;
};

// How a boss flies out again; it stops once its length has run.
struct LeaveMove {
    int dx;
    int length;
    int animationPeriod;  // 0: it does not animate while leaving
};

// How an attack phase turns the spin angle with each burst.
enum class SpinTurn {
    None,
    StepAfterBurst,    // the burst flies at the old angle
    StepBeforeBurst,   // the burst flies at the new angle
    SwingBeforeBurst,  // a random 0 to 8 degrees, one way then the other
};

// One attack phase: its burst, how long it lasts and how often it fires.
struct AttackPhase {
    BossPhase phase;
    const Burst* burst;
    int length;
    int cadence;       // fires when the phase timer is a multiple of it
    int firingWindow;  // and below this
    SpinTurn turn;
    int spinStep;  // degrees per burst for the stepping turns
    BossPhase next;
};

// Everything that tells one boss from another.
struct BossDescription {
    const char* name;
    int points;
    int hitPoints;
    KeyedImageFile frames[2];
    KeyedImageFile flashFrames[2];
    const char* arrivalSound;  // null: the boss arrives silently
    ApproachMove approach;
    const AttackPhase* attacks;  // the first one opens the attack
    int attackCount;
    int attackAnimationPeriod;
    LeaveMove leave;  // unused by a boss whose attacks never end
    // A boss destroyed with shots on screen stays, invisible, until they
    // are gone; otherwise its shots vanish with it.
    bool finishWaitsForShots;
    // Its burst counts its release frames from 20 when the attack starts.
    bool countsBursts;
};
