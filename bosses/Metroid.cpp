// SPDX-License-Identifier: MIT
#include "bosses/Metroid.h"

namespace {

// Phase, burst, length, cadence, firing window, spin turn and step, next phase.
const AttackPhase Attacks[] = {
    {BossPhase::MetroidScatter, &MetroidScatter, 2000, 5, 1700, SpinTurn::None, 0,
     BossPhase::Leave},
};

const BossDescription Description = {
    "Metroid",
    500,  // points
    500,  // hit points
    {{"./Images/Ennemis/Metroid/Metroid.png", 33, 90, 90},
     {"./Images/Ennemis/Metroid/Metroid1.png", 33, 90, 90}},
    {{"./Images/Ennemis/Metroid/Metroid_Touche.png", 92, 149, 149},
     {"./Images/Ennemis/Metroid/Metroid1_Touche.png", 92, 149, 149}},
    "Sound/Metroid.wav",  // arrival sound
    {50, 6, 0, 38, 10},   // approach: length, dx, dy, moving frames, animation period
    Attacks,
    1,
    10,            // animation period while attacking
    {6, 500, 10},  // leave: dx, length, animation period
    true,          // finish waits for its shots
    false,         // counts its bursts
};

}  // namespace

Metroid::Metroid(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime)
    : Boss(screen, rect, halfWidth, halfHeight, appearTime, Description) {}
