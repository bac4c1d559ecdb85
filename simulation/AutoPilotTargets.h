// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "simulation/AutoPilotPlanner.h"
#include "simulation/ThreatTracker.h"

// What a player learns about each kind of enemy by meeting it, told apart by
// its size on screen: the points it brings and about how many hits it takes.
struct KnownEnemy {
    int width;
    int height;
    int points;
    int hitsToDestroy;
    bool endsThePlay;  // the final boss: nothing else matters while it is there
};

// The kind of an enemy of that size, or null for one never met.
const KnownEnemy* KindOfSize(int width, int height);

// Chooses what to shoot at and so where the ship would like to be: under
// the enemy that brings the most points for the shots and the flight it
// costs, keeping to the chosen one while it stays worth it.
class TargetPicker {
public:
    Station Choose(ShipSpot ship, const std::vector<EnemySighting>& enemies);
    // The slot of the enemy aimed at, -1 when none.
    int TargetSlot() const { return targetSlot; }

private:
    // How much shooting at this enemy is worth now; 0 when it cannot be done
    // in the time it stays above the ship.
    double Worth(ShipSpot ship, const EnemySighting& enemy) const;
    Station Under(ShipSpot ship, const EnemySighting& enemy) const;

    int targetSlot = -1;
};
