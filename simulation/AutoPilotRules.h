// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Playfield.h"

// The rules of the ship and its gun, as a player learns them by flying.
namespace ShipRules {

constexpr int Width = 36;
constexpr int Height = 33;

// Pixels per frame; holding fire slows the ship.
constexpr int Step = 3;
constexpr int StepFiring = 2;

// An arrow key moves the ship only while it is inside these on that side, so
// a step may end a little beyond them.
constexpr int LeftLimit = PlayfieldLeft + 1;      // x > 139
constexpr int RightLimit = PlayfieldRight + 1;    // x + width < 503
constexpr int TopLimit = PlayfieldTop + 1;        // y > 1
constexpr int BottomLimit = PlayfieldBottom + 1;  // y + height < 481

// A shot leaves when more than 60 ms have passed since the last one, from
// (x + 9, y - 20); it is 17 pixels wide and climbs 6 pixels a frame.
constexpr Uint32 ShotIntervalMs = 60;
constexpr int FramesPerShot = ShotIntervalMs / FramePeriodMs + 1;
constexpr int ShotOffsetX = 9;
constexpr int ShotOffsetY = -20;
constexpr int ShotWidth = 17;
constexpr int ShotClimb = 6;
// The shot's centre lies this far right of the ship's (one pixel left).
constexpr int ShotCentreOffsetX = ShotOffsetX + ShotWidth / 2 - Width / 2;

// Back from a lost life, the ship cannot be hit for this many frames.
constexpr int RecoveryFrames = 100;

}  // namespace ShipRules
