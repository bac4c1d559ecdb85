// SPDX-License-Identifier: MIT
#include "bosses/Xantum.h"

namespace {

// Phase, burst, length, cadence, firing window, spin turn and step, next
// phase. The two phases hand over to each other without end.
const AttackPhase Attacks[] = {
    {BossPhase::XantumStars, &XantumStar, 1500, 5, 1200, SpinTurn::StepBeforeBurst, 6,
     BossPhase::XantumRings},
    {BossPhase::XantumRings, &XantumRing, 2200, 5, 1900, SpinTurn::SwingBeforeBurst, 0,
     BossPhase::XantumStars},
};

const BossDescription Description = {
    "Xantum",
    500,   // points
    2000,  // hit points
    {{"./Images/Ennemis/Xantum/Xantum.png", 0, 0, 0},
     {"./Images/Ennemis/Xantum/Xantum1.png", 0, 0, 0}},
    {{"./Images/Ennemis/Xantum/Xantum_Flash.png", 0, 0, 255},
     {"./Images/Ennemis/Xantum/Xantum_Flash.png", 0, 0, 255}},
    "Sound/Xantum.wav",   // arrival sound
    {80, -5, 0, 59, 10},  // approach: length, dx, dy, moving frames, animation period
    Attacks,
    2,
    4,          // animation period while attacking
    {0, 0, 0},  // leave: dx, length, animation period
    false,      // its shots vanish with it: the game is won at once
    false,      // counts its bursts
};

}  // namespace

Xantum::Xantum(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime)
    : Boss(screen, rect, halfWidth, halfHeight, appearTime, Description) {}
