// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "app/PlayObserver.h"
#include "gfx/Rect.h"
#include "simulation/Threat.h"

// Where one thing on screen has been over the last frames, so that its motion
// can be read off as a player reads it: by watching it move.
class MotionTrack {
public:
    // Records the position seen in this frame. A gap in the sightings or a
    // jump that nothing in the game makes starts the track afresh: the slot
    // now holds something new.
    void See(int frame, int x, int y);
    bool MotionKnown() const { return count >= 2; }
    // Pixels per frame: over a long stretch while the motion stays steady
    // (so that the rounding of a ray's positions averages out), over the
    // last few frames when it has just changed.
    float Vx() const { return Velocity(xs); }
    float Vy() const { return Velocity(ys); }

private:
    static constexpr int Length = 16;
    static constexpr int LargestStep = 10;
    float Velocity(const int* values) const;
    int Back(const int* values, int framesAgo) const;

    int lastFrame = -100;
    int count = 0;
    int newest = 0;
    int xs[Length] = {};
    int ys[Length] = {};
};

// An enemy body on screen with its motion.
struct EnemySighting {
    int slot;
    Rect rect;
    int halfWidth;
    int halfHeight;
    float vx;
    float vy;
    bool destroyed;
};

// Turns what is on screen each frame into threats to the ship and sightings
// of enemies, matching every enemy and every enemy shot with what the same
// slot held in the frames before.
class ThreatTracker {
public:
    void Observe(const PlayView& view);
    const std::vector<Threat>& Threats() const { return threats; }
    const std::vector<EnemySighting>& Enemies() const { return enemies; }

private:
    void ObserveEnemy(int slot, Enemy* enemy, int frame);
    void ObserveShots(int slot, Enemy* enemy, int frame);

    std::vector<MotionTrack> bodyTracks;
    std::vector<std::vector<MotionTrack>> shotTracks;  // by enemy slot, then shot slot
    std::vector<const Enemy*> seenEnemies;
    int lastFrame = 0;
    std::vector<Threat> threats;
    std::vector<EnemySighting> enemies;
};
