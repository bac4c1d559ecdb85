// SPDX-License-Identifier: MIT
#include "bosses/RadioZonde.h"

namespace {

// Phase, burst, length, cadence, firing window, spin turn and step, next phase.
const AttackPhase Attacks[] = {
    {BossPhase::RadioZondeSpirals, &RadioZondeSpirals, 1200, 10, 800, SpinTurn::StepAfterBurst, 4,
     BossPhase::Leave},
};

const BossDescription Description = {
    "RadioZonde",
    500,  // points
    180,  // hit points
    // The two images have different transparent colours.
    {{"./Images/Ennemis/RadioZonde/RadioZonde.png", 0, 0, 25},
     {"./Images/Ennemis/RadioZonde/RadioZonde1.png", 0, 25, 25}},
    {{"./Images/Ennemis/RadioZonde/RadioZonde_Flash.png", 44, 44, 44},
     {"./Images/Ennemis/RadioZonde/RadioZonde_Flash.png", 44, 44, 44}},
    nullptr,             // arrival sound
    {56, -6, 0, 56, 4},  // approach: length, dx, dy, moving frames, animation period
    Attacks,
    1,
    4,             // animation period while attacking
    {-6, 500, 0},  // leave: dx, length, animation period
    true,          // finish waits for its shots
    false,         // counts its bursts
};

}  // namespace

RadioZonde::RadioZonde(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight,
                       int appearTime)
    : Boss(screen, rect, halfWidth, halfHeight, appearTime, Description) {}
