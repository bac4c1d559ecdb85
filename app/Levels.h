// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Rect.h"

// The five sceneries of a play-through, in the order the Game creates them.
struct LevelRow {
    const char* name;  // for the trace
    const char* image;
    int scrollKind;
    Rect start;
};

constexpr int LevelCount = 5;
extern const LevelRow LevelTable[LevelCount];

// The unit of the background timetable.
constexpr Uint32 LevelPeriodMs = 8750;

struct BackgroundChoice {
    int row;    // index into LevelTable
    int speed;  // pixels per frame
};

// Which scenery is drawn, and how fast it scrolls, after elapsed ms of play.
// The tests are strict: a boundary instant still belongs to the earlier row.
BackgroundChoice ChooseBackground(Uint32 elapsed);
