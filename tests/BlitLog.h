// SPDX-License-Identifier: MIT
#pragma once

// What the game objects draw, read from the blits they make: every blit and
// every picture converted for the display while a test runs, in order. Two
// loads of one file give two surfaces that look alike; the log tells them
// apart by the order in which they were loaded; the call log names each by
// its file.

#include <SDL.h>

#include <string>
#include <vector>

#include "tests/CallLog.h"
#include "tests/TestSupport.h"

struct Blit {
    SDL_Surface* source;
    int sourceX, sourceW, sourceH;  // the part of the source drawn
    int x, y;                       // where it went, before clipping
};

// The fixture of the tests of the ship, the enemies and the bosses. It
// names the dummy audio driver before its display opens, whatever an
// earlier test in the same process left in the environment.
class DrawnTest : public testing::Test {
protected:
    DrawnTest();
    ~DrawnTest() override;
    void SetUp() override { clock.Install(); }

    // The pictures loaded since the last cut: one object's own, in order.
    std::vector<SDL_Surface*> CutLoads();
    // The blits of these sources since the last cut.
    std::vector<Blit> CutBlits(const std::vector<SDL_Surface*>& sources);
    // The same, each as the index of its source.
    std::vector<int> CutDrawn(const std::vector<SDL_Surface*>& sources);
    // Seeds the generator: the first numbers it will give.
    static std::vector<int> Draws(unsigned seed);
    // The files the pictures were loaded from.
    static std::vector<std::string> Names(const std::vector<SDL_Surface*>& pictures);
    // How often the file was played on the channel, once each, to its end.
    int Heard(const std::string& file, int channel) const;

    bool audioDriverNamed;
    TestScreen display;
    VirtualPlatform clock{1000};
    ShotMaker shots{display.screen};
    CallLog heard{CallLog::Sounds};
};
