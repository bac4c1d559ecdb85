// SPDX-License-Identifier: MIT
// The five bursts of the bosses: their shared draws and each shot's path.
#include "bosses/Burst.h"

#include "gfx/Random.h"

namespace {

// The values of the boss's pattern that select each burst.
enum BurstKey {
    RadioZondeKey = 4,
    MetroidKey = 7,
    FeeKey = 8,
    XantumStarKey = 16,
    XantumRingKey = 17,
};

// Every burst that draws anything draws this first: 50 to 99 frames.
int DrawDelay() {
    return RandomBelow(50) + 50;
}

BurstDraw DrawDelayOnly(int*) {
    BurstDraw shared;
    shared.delay = DrawDelay();
    return shared;
}

// Fee's release frame counts 20 to 74 over its bursts and starts again; the
// colour is drawn after it.
BurstDraw DrawFeeValues(int* burstCycle) {
    BurstDraw shared;
    shared.delay = DrawDelay();
    shared.release = *burstCycle;
    ++*burstCycle;
    if (*burstCycle >= 75) {
        *burstCycle = 20;
    }
    shared.colour = RedFirst + 2 * RandomBelow(4);
    return shared;
}

ShotPlan PlanRadioZonde(int k, int spinAngle, const BurstDraw& shared) {
    return {BlueFirst, BlueSecond, spinAngle + 30 * k, 1, 2, shared.delay, shared.delay + 50};
}

ShotPlan PlanMetroid(int, int, const BurstDraw& shared) {
    return {RedFirst, RedSecond, RandomBelow(360), 10, 2, shared.delay, 30};
}

ShotPlan PlanFee(int k, int spinAngle, const BurstDraw& shared) {
    const ShotImage first = static_cast<ShotImage>(shared.colour);
    const ShotImage second = static_cast<ShotImage>(shared.colour + 1);
    const int angleStep = k % 2 == 0 ? 1 : -1;
    return {first, second, spinAngle + 30 * k, angleStep, 2, shared.delay, shared.release};
}

ShotPlan PlanXantumStar(int k, int spinAngle, const BurstDraw& shared) {
    // Shots 5 and 6 share a ray: they leave together as one thick shot.
    static const int Ray[9] = {0, 1, 2, 3, 4, 5, 5, 6, 7};
    return {IceFirst, IceSecond, spinAngle + 45 * Ray[k], 10, 1, shared.delay, 38};
}

ShotPlan PlanXantumRing(int k, int spinAngle, const BurstDraw&) {
    // Neighbours start on opposite images so the ring shimmers.
    const bool even = k % 2 == 0;
    return {
        even ? IceFirst : IceSecond, even ? IceSecond : IceFirst, spinAngle + 18 * k, 2, 2, 0, 0};
}

}  // namespace

const Burst RadioZondeSpirals = {RadioZondeKey, 12, 12, 149, 164, DrawDelayOnly, PlanRadioZonde};
const Burst MetroidScatter = {MetroidKey, 12, 6, 33, 24, DrawDelayOnly, PlanMetroid};
const Burst FeeFan = {FeeKey, 12, 14, 15, 36, DrawFeeValues, PlanFee};
const Burst XantumStar = {XantumStarKey, 9, 16, 104, 121, DrawDelayOnly, PlanXantumStar};
const Burst XantumRing = {XantumRingKey, 20, 6, 104, 121, nullptr, PlanXantumRing};
