// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "simulation/Threat.h"

// One of the nine ways the arrow keys can be held: -1, 0 or 1 on each axis.
struct Heading {
    int dx;
    int dy;
};

// The ship's top-left corner, as the game keeps it.
struct ShipSpot {
    int x;
    int y;
};

// The ship is 36 x 33; everything aims and dodges with its centre.
float ShipCentreX(ShipSpot spot);
float ShipCentreY(ShipSpot spot);

// One frame of flight with the arrow keys of a heading held: each direction
// moves the ship by the step only while the ship is inside the playfield's
// bounds on that side, as the game does.
ShipSpot FlyOneFrame(ShipSpot from, Heading heading, int step);

// Where the pilot would like the ship to be when nothing threatens it.
struct Station {
    float aimX;          // the ship's centre under what it shoots at
    float aimTolerance;  // no cost while the centre is this close to aimX
    float preferredY;    // the ship's centre, low on the screen
};

// What the planner needs to know about the coming frames.
struct Outlook {
    ShipSpot ship;
    // The ship's step in each coming frame: 2 while fire is held, else 3.
    std::vector<int> steps;
    // Coming frames in which nothing can hit the ship yet.
    int safeFrames = 0;
    Station station;
};

// Tries short manoeuvres (one heading held for a while, then another) over
// the coming frames against the threats' straight-line motion and picks the
// heading for the next frame: first never to be hit, then to keep clear of
// every threat, then to stay at the station.
class ManoeuvrePlanner {
public:
    static constexpr int Horizon = 36;

    struct Choice {
        Heading heading;
        double cost;
        int firstHit;  // the coming frame of the first hit that cannot be avoided, 0 when none
    };

    Choice Choose(const Outlook& outlook, const std::vector<Threat>& threats);

private:
    // The cost of the ship standing at a spot in the given coming frame;
    // sets hit when a threat would destroy it there.
    double CostAt(ShipSpot spot, int frame, bool& hit) const;
    void GatherNearby(const std::vector<Threat>& threats);
    // Flies a heading from a spot and frame on to the end of the horizon,
    // adding to cost; returns the frame of the hit that ends it, or 0.
    int Fly(ShipSpot& spot, Heading heading, int fromFrame, int toFrame, double& cost,
            double bound) const;
    double HitCost(int frame) const;

    const Outlook* outlook = nullptr;
    std::vector<Threat> nearby;
};
