// SPDX-License-Identifier: MIT
#pragma once

// The twelve shot images every boss loads, in their loading order; each
// colour has a first and a second image between which its shots blink.
enum ShotImage {
    RedFirst,
    RedSecond,
    BlueFirst,
    BlueSecond,
    GreenFirst,
    GreenSecond,
    VioletFirst,
    VioletSecond,
    CircleFirst,
    CircleSecond,
    IceFirst,
    IceSecond,
    ShotImageCount
};

// Values drawn once at the start of a burst and shared by all its shots.
struct BurstDraw {
    int delay = 0;    // 50 to 99 frames: how long a spiral winds out
    int release = 0;  // the frame at which a pausing shot stops
    int colour = 0;   // the first image of the burst's colour
};

// What one shot of a burst gets beyond its spawn point and its radius 0.
struct ShotPlan {
    ShotImage first;
    ShotImage second;
    int angle;
    int angleStep;
    int radiusStep;
    int phaseFrames;
    int releaseFrame;
};

// A group of shots fired together from one point near the boss.
struct Burst {
    int key;  // the boss's pattern that selects this burst
    int shotCount;
    int trajectory;  // the trajectory kind of every shot
    int offsetX;     // spawn point, from the boss's top-left corner
    int offsetY;
    // Draws the shared values in the burst's own order (the counter is the
    // boss's burst cycle); null when the burst draws nothing.
    BurstDraw (*drawShared)(int* burstCycle);
    // Plans shot k. Called as the shot is created, so a random draw made
    // here happens only for shots that find a free slot.
    ShotPlan (*planShot)(int k, int spinAngle, const BurstDraw& shared);
};

// RadioZonde: twelve blue spirals that wind out, hold, wind back and creep.
extern const Burst RadioZondeSpirals;
// Metroid: twelve red rays at random angles.
extern const Burst MetroidScatter;
// Fee: a fan of twelve rays 30 degrees apart that stop for a while.
extern const Burst FeeFan;
// Xantum: nine ice rays 45 degrees apart, fast at first, then slow.
extern const Burst XantumStar;
// Xantum: a ring of twenty ice rays whose neighbours blink in turn.
extern const Burst XantumRing;
