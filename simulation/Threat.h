// SPDX-License-Identifier: MIT
#pragma once

// Something that destroys the ship when the ship's centre comes strictly
// inside its reach: an enemy shot (the ship is nearly a point to it) or the
// body of an enemy that is still flying. Positions are centres on screen, in
// pixels; motion is what the last frames showed, in pixels per frame.
struct Threat {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    // The ship is hit when |dx| < reachX and |dy| < reachY, both strict.
    float reachX = 0;
    float reachY = 0;
    // False for a shot seen in one frame only: where it goes is not known yet.
    bool motionKnown = false;

    float XAt(int frames) const { return x + vx * static_cast<float>(frames); }
    float YAt(int frames) const { return y + vy * static_cast<float>(frames); }
};
