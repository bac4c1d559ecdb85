// SPDX-License-Identifier: MIT
#pragma once

// What many tests build the same way: plain surfaces and the colours read
// off them, shots that fly straight or stay put, the ship, readers of the
// event trace, scratch files and folders, runs of the real game, the
// victory screens and the live counts.

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/PlayObserver.h"
#include "enemies/Enemy.h"
#include "gfx/Image.h"
#include "hero/Hero.h"
#include "platform/Trace.h"
#include "shots/Shot.h"
#include "simulation/VirtualPlatform.h"
#include "tests/TestScreen.h"

// Objects that clean up after themselves derive from this: copies would
// clean up twice.
struct NoCopies {
    NoCopies() = default;
    NoCopies(const NoCopies&) = delete;
    NoCopies& operator=(const NoCopies&) = delete;
};

// ---- Surfaces and colours -------------------------------------------------

// A 32-bit software surface laid out as 0xRRGGBB, filled with one colour.
SurfacePtr NewSurface(int width, int height, Uint32 fill = 0, Uint32 alphaMask = 0);

struct Colour {
    Uint8 r, g, b;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Colour& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const Colour& c);

// One pixel of a surface of any depth.
Colour ColourAt(SDL_Surface* surface, int x, int y);
// How many pixels of the area differ in colour between two surfaces.
int PixelsChanged(SDL_Surface* a, SDL_Surface* b, Rect area);
// True when two surfaces of one size and depth hold the same pixels.
bool SamePixels(SDL_Surface* a, SDL_Surface* b);

// A rectangle as x, y, w and h, to compare and print in one go.
using Box = std::array<int, 4>;
Box BoxOf(const Rect& r);

// ---- Shots and the ship ---------------------------------------------------

// Makes shots on a screen with a 4 x 4 image of its own; the caller owns them.
class ShotMaker {
public:
    explicit ShotMaker(SDL_Surface* screen) : screen(screen) {}

    // A shot that steps (dx, dy) every frame for ever; (0, 0) stays put.
    Shot* Straight(Rect rect, int dx = 0, int dy = 0) const;
    // A shot that stays put, w x h, centred on (cx, cy).
    Shot* Still(int cx, int cy, int w = 4, int h = 4, int damage = 1) const;
    // Hits an enemy, boss or not, at its centre with a hero shot of 17 x 41
    // in the second of two slots: the slot it reports, 1 or -1.
    int HitAtCentre(Enemy& enemy, int damage) const;

    SDL_Surface* screen;
    SurfacePtr image = NewSurface(4, 4);
};

// A test display and a virtual clock installed at 1000 ms, with shots to
// throw at whatever flies there.
class PlayfieldTest : public testing::Test {
protected:
    void SetUp() override { clock.Install(); }

    TestScreen display;
    VirtualPlatform clock{1000};
    ShotMaker shots{display.screen};
};

// The ship as the game builds it: 36 x 33 at (x, y), 60 shot slots and its
// explosion strip.
std::unique_ptr<Hero> MakeShip(SDL_Surface* screen, int x = Hero::StartX, int y = Hero::StartY,
                               int lives = 6);

// ---- The event trace ------------------------------------------------------

// Takes every trace line for as long as it lives.
class TraceLines : public TraceSink, NoCopies {
public:
    TraceLines() { Trace::SetSink(this); }
    ~TraceLines() override { Trace::SetSink(nullptr); }
    void Line(const char* text) override { lines.emplace_back(text); }

    std::vector<std::string> lines;
};

// How many lines hold the text.
int CountLines(const std::vector<std::string>& trace, const std::string& text);
// The frame number that starts the first line holding the text, or -1.
int FrameOf(const std::vector<std::string>& trace, const std::string& text);

// ---- Files, folders and runs of the real game -----------------------------

// A file of the generated data folder ("Images/Heros/Corvanel.png").
std::string DataPath(const std::string& file);
// The bytes of any file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// A name in the test's temporary folder, its own to this process; whatever
// was written there is removed when it goes.
class TempFile : NoCopies {
public:
    explicit TempFile(const std::string& name);
    ~TempFile();

    const std::string path;
};

// A new empty folder under /tmp, removed with all it holds when it goes.
class ScratchFolder : NoCopies {
public:
    ScratchFolder();
    ~ScratchFolder();

    const std::string& Path() const { return root; }

private:
    std::string root;
};

// Works in another folder for as long as it lives.
class WorkingFolder : NoCopies {
public:
    explicit WorkingFolder(const std::string& folder);
    ~WorkingFolder();

private:
    std::string previous;
};

// What a program run through the shell left behind.
struct CommandResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};
// Runs the real game in the folder, with the environment settings put
// before it (such as "SDL_VIDEODRIVER=dummy"), for at most 60 seconds.
CommandResult RunGameIn(const std::string& folder, const std::string& environment);

// ---- End screens and live counts ------------------------------------------

// Calls back when an end screen is up and waiting for its key.
class ScreenWatcher : public PlayObserver {
public:
    std::function<void(EndScreen, SDL_Surface*)> onShown;
    void EndScreenShown(EndScreen screen, SDL_Surface* display) override {
        if (onShown) {
            onShown(screen, display);
        }
    }
};

// Shows the victory screens for the score with the pictures of the working
// folder, answering the summary with RETURN: how many pixels of its rank
// area differ from the plain picture, or -1 when the summary never showed.
int RankPixelsShown(SDL_Surface* display, VirtualPlatform& clock, int score);

// The live count of every kind that gfx/LiveCount.h counts, in Held's order.
std::vector<int> LiveCounts();
