// SPDX-License-Identifier: MIT
#include "simulation/AutoPilot.h"

#include <algorithm>

#include "gfx/Playfield.h"
#include "hero/Hero.h"
#include "simulation/AutoPilotRules.h"

namespace {

// Stop trusting the hit look a little before it ends.
constexpr int RecoverySafety = 2;

}  // namespace

void GunCadence::Observe(const PlayView& view, ShipSpot shipBefore) {
    const ShotSlots& shots = view.hero->Shots();
    for (int i = 0; i < shots.Count(); ++i) {
        const Shot* shot = shots.At(i);
        if (!shot) {
            continue;
        }
        const Rect r = shot->GetRect();
        // Where a shot is once the frame that fired it has been drawn: it
        // left from where the ship stood and has climbed once.
        if (r.x == shipBefore.x + ShipRules::ShotOffsetX &&
            r.y == shipBefore.y + ShipRules::ShotOffsetY - ShipRules::ShotClimb) {
            everFired = true;
            lastShot = view.now;
        }
    }
}

std::vector<int> GunCadence::Steps(Uint32 firstFrameTime, Uint32 framePeriod, int frames,
                                   bool firing) const {
    std::vector<int> steps(frames, ShipRules::Step);
    GunCadence gun = *this;
    for (int i = 0; i < frames && firing; ++i) {
        const Uint32 time = firstFrameTime + framePeriod * static_cast<Uint32>(i);
        if (gun.IsDue(time)) {
            steps[i] = ShipRules::StepFiring;
            gun.everFired = true;
            gun.lastShot = time;
        }
    }
    return steps;
}

void RecoveryClock::Observe(HeroState state) {
    const bool nowRecovering = state == HeroState::Recovering;
    framesSeen = nowRecovering && recovering ? framesSeen + 1 : 0;
    recovering = nowRecovering;
}

int RecoveryClock::SafeFrames() const {
    return recovering ? std::max(0, ShipRules::RecoveryFrames - RecoverySafety - framesSeen) : 0;
}

void AutoPilot::Decide(const PlayView& view, Uint8* keys) {
    const Rect rect = view.hero->GetRect();
    const ShipSpot ship{rect.x, rect.y};
    const Uint32 period = view.frame > 1 && view.now > lastNow ? view.now - lastNow
                                                               : static_cast<Uint32>(FramePeriodMs);
    tracker.Observe(view);
    gun.Observe(view, lastShip);
    recovery.Observe(view.hero->GetState());
    lastShip = ship;
    lastNow = view.now;

    const HeroState state = view.hero->GetState();
    if (state == HeroState::Exploding || state == HeroState::Entering) {
        return;  // the ship takes no orders until it is back
    }
    const Uint32 nextFrame = view.now + period;
    Outlook outlook;
    outlook.ship = ship;
    outlook.steps = gun.Steps(nextFrame, period, ManoeuvrePlanner::Horizon, true);
    outlook.safeFrames = recovery.SafeFrames();
    outlook.station = targets.Choose(ship, tracker.Enemies());
    ManoeuvrePlanner::Choice choice = planner.Choose(outlook, tracker.Threats());
    bool fire = gun.IsDue(nextFrame);
    if (choice.firstHit != 0) {
        // Cornered: see whether flying at full speed, without firing, helps.
        outlook.steps = gun.Steps(nextFrame, period, ManoeuvrePlanner::Horizon, false);
        const ManoeuvrePlanner::Choice fast = planner.Choose(outlook, tracker.Threats());
        if (fast.cost < choice.cost) {
            choice = fast;
            fire = false;
        }
    }
    keys[SDLK_LEFT] = choice.heading.dx < 0;
    keys[SDLK_RIGHT] = choice.heading.dx > 0;
    keys[SDLK_UP] = choice.heading.dy < 0;
    keys[SDLK_DOWN] = choice.heading.dy > 0;
    keys[SDLK_g] = fire;
}
