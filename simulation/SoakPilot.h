// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "simulation/Pilots.h"
#include "simulation/Simulation.h"

// The soak's pilot: the autopilot flies and fights its way to the final boss;
// from the frame the final boss is in play on, it only dodges, fire never
// held, so that the fight goes on for as long as the soak wants it to. It
// times its own decisions, so that the soak can tell the game's work apart.
class SoakPilot : public Pilot {
public:
    void Decide(const PlayView& view, Uint8* keys) override;

    // The frame of play in which the final boss was first in play; 0 before.
    int FinalBossFrame() const { return finalBossFrame; }
    // Wall time of the last decision, in ms.
    double LastDecisionMs() const { return lastDecisionMs; }

private:
    std::shared_ptr<Pilot> autopilot = MakePilot("auto");
    int finalBossFrame = 0;
    double lastDecisionMs = 0;
};
