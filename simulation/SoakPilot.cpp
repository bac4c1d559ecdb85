// SPDX-License-Identifier: MIT
#include "simulation/SoakPilot.h"

#include "enemies/Enemy.h"

void SoakPilot::Decide(const PlayView& view, Uint8* keys) {
    const double start = WallSeconds();
    // The final boss holds the last slot.
    const Enemy* finalBoss = view.enemySlots[view.enemySlotCount - 1];
    if (finalBossFrame == 0 && finalBoss && finalBoss->HasAppeared(view.now)) {
        finalBossFrame = view.frame;
    }
    autopilot->Decide(view, keys);
    if (finalBossFrame != 0) {
        keys[SDLK_g] = 0;
    }
    lastDecisionMs = (WallSeconds() - start) * 1000.0;
}
