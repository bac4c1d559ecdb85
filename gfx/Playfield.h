// SPDX-License-Identifier: MIT
#pragma once

// The 640 x 480 screen and the playfield strip on it, where the ship flies,
// the regular enemies enter and shots are culled; the HUD frame covers the
// sides.
constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
constexpr int PlayfieldLeft = 138;
constexpr int PlayfieldRight = 502;
constexpr int PlayfieldTop = 0;
constexpr int PlayfieldBottom = 480;
constexpr int PlayfieldWidth = PlayfieldRight - PlayfieldLeft;

// Every frame lasts at least this long; all speeds are per frame.
constexpr int FramePeriodMs = 13;
