// SPDX-License-Identifier: MIT
#include "bosses/Fee.h"

namespace {

// Phase, burst, length, cadence, firing window, spin turn and step, next phase.
const AttackPhase Attacks[] = {
    {BossPhase::FeeFans, &FeeFan, 2200, 5, 2000, SpinTurn::StepAfterBurst, 29, BossPhase::Leave},
};

const BossDescription Description = {
    "Fee",
    3000,   // points
    10000,  // hit points
    {{"./Images/Ennemis/Fee/Fee1.png", 34, 102, 221},
     {"./Images/Ennemis/Fee/Fee2.png", 34, 102, 221}},
    {{"./Images/Ennemis/Fee/Fee1_Flash.png", 75, 155, 255},
     {"./Images/Ennemis/Fee/Fee2_Flash.png", 75, 155, 255}},
    nullptr,             // arrival sound
    {70, 0, 5, 45, 10},  // approach: length, dx, dy, moving frames, animation period
    Attacks,
    1,
    4,             // animation period while attacking
    {5, 100, 10},  // leave: dx, length, animation period
    true,          // finish waits for its shots
    true,          // counts its bursts
};

}  // namespace

Fee::Fee(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime)
    : Boss(screen, rect, halfWidth, halfHeight, appearTime, Description) {}
