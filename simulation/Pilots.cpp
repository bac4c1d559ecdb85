// SPDX-License-Identifier: MIT
#include "simulation/Pilots.h"

#include "hero/Hero.h"
#include "simulation/AutoPilot.h"

namespace {

class IdlePilot : public Pilot {
public:
    void Decide(const PlayView&, Uint8*) override {}
};

// Sweeps between the playfield's edges with fire held.
class SweepingPilot : public Pilot {
public:
    void Decide(const PlayView& view, Uint8* keys) override {
        const Rect ship = view.hero->GetRect();
        if (ship.x <= 150) {
            goingRight = true;
        } else if (ship.x + ship.w >= 490) {
            goingRight = false;
        }
        keys[goingRight ? SDLK_RIGHT : SDLK_LEFT] = 1;
        keys[SDLK_g] = 1;
    }

private:
    bool goingRight = true;
};

}  // namespace

std::shared_ptr<Pilot> MakePilot(const std::string& name) {
    if (name == "idle") {
        return std::make_shared<IdlePilot>();
    }
    if (name == "fire") {
        return std::make_shared<SweepingPilot>();
    }
    if (name == "auto") {
        return std::make_shared<AutoPilot>();
    }
    return nullptr;
}
