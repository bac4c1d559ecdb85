// SPDX-License-Identifier: MIT
#pragma once

// What the game objects draw, read from the blits they make: every blit and
// every picture converted for the display while a log is open, in order.
// Two loads of one file give two surfaces that look alike; the log tells
// them apart by the order in which they were loaded.

#include <SDL.h>

#include <vector>

#include "tests/TestSupport.h"

struct Blit {
    SDL_Surface* source;
    int sourceX, sourceW, sourceH;  // the part of the source, or 0, 0 and its size
    int x, y;                       // where it went, before clipping
};

// The fixture of the tests of the ship, the shots and the enemies. It names
// the dummy audio driver before its display opens, whatever an earlier test
// in the same process left in the environment.
class DrawnTest : public testing::Test {
protected:
    DrawnTest();
    ~DrawnTest() override;
    void SetUp() override { clock.Install(); }

    // The surfaces of one object's own pictures, from the loads it made
    // since the log was last cut.
    std::vector<SDL_Surface*> CutLoads();
    // The blits made since the log was last cut, of these sources only.
    std::vector<Blit> CutBlits(const std::vector<SDL_Surface*>& sources);
    // The index in the sources of each blit of one of them since the last cut.
    std::vector<int> CutDrawn(const std::vector<SDL_Surface*>& sources);

    bool audioDriverNamed;
    TestScreen display;
    VirtualPlatform clock{1000};
    ShotMaker shots{display.screen};
};
