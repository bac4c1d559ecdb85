// SPDX-License-Identifier: MIT
#include "simulation/AutoPilotTargets.h"

#include <algorithm>
#include <cmath>

#include "gfx/Playfield.h"
#include "simulation/AutoPilotRules.h"

namespace {

const KnownEnemy Kinds[] = {
    {32, 9, 1, 1, false},          // small bird, in long streams
    {158, 94, 5, 8, false},        // gunship that hovers, then dives
    {92, 124, 25, 5, false},       // twin plane with diagonal shots
    {29, 162, 1, 50, false},       // missile: too tough to be worth it
    {32, 29, 2, 1, false},         // small drone that bursts when hit
    {314, 344, 500, 180, false},   // the spiral boss
    {82, 89, 500, 500, false},     // the boss of random rays
    {45, 74, 3000, 10000, false},  // the fairy that cannot be brought down
    {225, 239, 500, 2000, true},   // the final boss
};

// Keep the shots this far inside the enemy's hit box.
constexpr int AimSafety = 4;
// Stop shooting at a diving enemy before it gets this close above the ship.
constexpr float CloseAbove = 60;
// The chosen target is kept unless another is worth this much more.
constexpr double Loyalty = 1.6;

// Where the ship waits when there is nothing to shoot at.
constexpr float FieldMiddleX = 320;
constexpr float RoamTolerance = 100;
constexpr float PreferredShipY = 425;

float Centre(int origin, int size) {
    return static_cast<float>(origin + size / 2);
}

}  // namespace

const KnownEnemy* KindOfSize(int width, int height) {
    for (const KnownEnemy& kind : Kinds) {
        if (kind.width == width && kind.height == height) {
            return &kind;
        }
    }
    return nullptr;
}

Station TargetPicker::Choose(ShipSpot ship, const std::vector<EnemySighting>& enemies) {
    const EnemySighting* best = nullptr;
    double bestWorth = 0;
    const EnemySighting* current = nullptr;
    double currentWorth = 0;
    for (const EnemySighting& enemy : enemies) {
        const double worth = Worth(ship, enemy);
        if (worth > bestWorth) {
            best = &enemy;
            bestWorth = worth;
        }
        if (enemy.slot == targetSlot) {
            current = &enemy;
            currentWorth = worth;
        }
    }
    if (current && currentWorth > 0 && currentWorth * Loyalty >= bestWorth) {
        best = current;
    }
    if (!best) {
        targetSlot = -1;
        return {FieldMiddleX, RoamTolerance, PreferredShipY};
    }
    targetSlot = best->slot;
    return Under(ship, *best);
}

double TargetPicker::Worth(ShipSpot ship, const EnemySighting& enemy) const {
    const KnownEnemy* kind = KindOfSize(enemy.rect.w, enemy.rect.h);
    if (!kind || enemy.destroyed) {
        return 0;
    }
    const float x = Centre(enemy.rect.x, enemy.rect.w);
    const float y = Centre(enemy.rect.y, enemy.rect.h);
    const float shipY = ShipCentreY(ship);
    // Shots can reach it only once its hit box is on screen, and only above
    // the ship.
    if (y + static_cast<float>(enemy.halfHeight) < PlayfieldTop || x < PlayfieldLeft ||
        x > PlayfieldRight || y > shipY - CloseAbove) {
        return 0;
    }
    if (kind->endsThePlay) {
        return HUGE_VAL;
    }
    // A diving enemy must take its last hit before it comes close above.
    const float travel = std::fabs(x - ShipCentreX(ship)) / ShipRules::Step;
    const float lastFlight = CloseAbove / (ShipRules::ShotClimb + std::max(0.0f, enemy.vy));
    const float busy =
        travel + lastFlight + static_cast<float>(kind->hitsToDestroy * ShipRules::FramesPerShot);
    if (enemy.vy > 0.1f && (shipY - CloseAbove - y) / enemy.vy < busy) {
        return 0;
    }
    return static_cast<double>(kind->points) / kind->hitsToDestroy / (1.0 + travel / 20.0);
}

Station TargetPicker::Under(ShipSpot ship, const EnemySighting& enemy) const {
    const float x = Centre(enemy.rect.x, enemy.rect.w);
    const float y = Centre(enemy.rect.y, enemy.rect.h);
    // Lead a moving enemy by the time the shot takes to climb to it.
    const float closing = ShipRules::ShotClimb + std::max(0.0f, enemy.vy);
    const float flight = std::max(0.0f, static_cast<float>(ship.y) - y) / closing;
    const float aimX = x + enemy.vx * flight - ShipRules::ShotCentreOffsetX;
    const float tolerance =
        std::max(1.0f, static_cast<float>(enemy.halfWidth + ShipRules::ShotWidth / 2 - AimSafety));
    return {aimX, tolerance, PreferredShipY};
}
