// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <vector>

#include "simulation/AutoPilotPlanner.h"
#include "simulation/AutoPilotRules.h"
#include "simulation/AutoPilotTargets.h"
#include "simulation/Simulation.h"
#include "simulation/ThreatTracker.h"

enum class HeroState : Sint32;

// The ship's gun as the pilot knows it: one shot at most every 61 ms, and
// holding fire slows the ship. The pilot holds fire only in the frames in
// which a shot leaves, and so flies fast in all the others.
class GunCadence {
public:
    // Notices a shot that left the ship in the frame just drawn.
    void Observe(const PlayView& view, ShipSpot shipBefore);
    // Whether a shot would leave in a frame starting at that time.
    bool IsDue(Uint32 time) const {
        return !everFired || time > lastShot + ShipRules::ShotIntervalMs;
    }
    // The ship's step in each of the coming frames, firing whenever a shot
    // is due (the first frame starts at the given time).
    std::vector<int> Steps(Uint32 firstFrameTime, Uint32 framePeriod, int frames,
                           bool firing) const;

private:
    bool everFired = false;
    Uint32 lastShot = 0;
};

// Counts down the frames in which the ship, back from a lost life, cannot be
// hit yet: it shows its hit look for 100 frames.
class RecoveryClock {
public:
    void Observe(HeroState state);
    // Coming frames in which no hit is tested, a little short of the truth.
    int SafeFrames() const;

private:
    bool recovering = false;
    int framesSeen = 0;
};

// Flies the ship to win: keeps its centre out of every enemy shot and body
// over the coming frames, shoots at the enemy worth the most, and in the end
// at the final boss. It sees only what is on screen and acts only through
// the keys.
class AutoPilot : public Pilot {
public:
    void Decide(const PlayView& view, Uint8* keys) override;

private:
    ThreatTracker tracker;
    TargetPicker targets;
    ManoeuvrePlanner planner;
    GunCadence gun;
    RecoveryClock recovery;
    ShipSpot lastShip{0, 0};
    Uint32 lastNow = 0;
};
