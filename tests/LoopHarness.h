// SPDX-License-Identifier: MIT
#pragma once

// Whole play-throughs of the real game with every slot emptied but for the
// probes a test puts in: the frame loop, its hit passes, its end sequence and
// its end screens run as in the game, against enemies whose every answer the
// test chooses.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/PlayObserver.h"
#include "tests/TestSupport.h"

// A stand-in enemy. It notes in the call log each question the frame loop
// asks it ("shots A", "hits A", "update A"), so a test sees where in the
// frame each one falls.
class Probe : public Enemy {
public:
    Probe(const std::string& name, Rect rect, int appearTime = 0)
        : Enemy(rect, rect.w / 2, rect.h / 2, appearTime, 7), name(name) {}
    ~Probe() override { delete shot; }

    bool Update() override;
    int TestHits(Shot** heroShots, int count) override;
    bool IsDestroyed() override { return destroyed; }
    Shot** GetShots() override;
    int GetShotSlotCount() override { return 1; }
    void HandleKeys(Uint8*) override {}

    std::string name;
    Shot* shot = nullptr;  // its one shot slot; owned
    bool destroyed = false;
    bool diesOfHit = false;  // destroyed by the hit it reports
    int hitAtCall = 0;       // reports a hit at this call of TestHits; 0 never
    int calls = 0;
    std::function<bool()> finished;  // Update returns false once this says so
};

// Where the ship starts: a body or a shot centred here touches it.
constexpr int ShipCentreX = Hero::StartX + 36 / 2;
constexpr int ShipCentreY = Hero::StartY + 33 / 2;
// A probe's body on the ship, and one far from it.
Rect OnTheShip();
Rect AwayFromTheShip(int n = 0);
// An enemy that keeps a shot on the ship's starting place: it takes a life
// each time the ship is back in flight.
Probe* Gunner();

class LoopTest : public testing::Test, public PlayObserver {
protected:
    void SetUp() override { clock.Install(); }

    Probe* Put(int slot, Probe* probe) {
        probes[slot] = probe;
        return probe;
    }
    // Game::Run with this test watching; ESC ends play at the start of
    // frame lastFrame + 1 if nothing has ended it before, and RETURN answers
    // each end screen.
    void RunGame();
    // The steps of one frame (1 is the first) as the call log saw them: the
    // background, the ship, the HUD's frame and gauge, the flip, and the
    // probes' notes, each run of like lines once.
    static std::vector<std::string> Steps(const std::vector<std::string>& log, int frame);
    // The lines of one frame, its flip last; frame 0 is the loading picture.
    static std::vector<std::string> FrameLines(const std::vector<std::string>& log, int frame);

    void PlayStarted(const PlayView& view) override;
    void FrameStarted(const PlayView& view) override;
    void FrameDrawn(const PlayView& view) override;
    void PlayEnded(PlayEnding how, const PlayView&) override { ending = how; }
    void EndScreenShown(EndScreen screen, SDL_Surface*) override;

    TestScreen display;
    VirtualPlatform clock{10000};
    ShotMaker shots{display.screen};
    int lastFrame = 3;
    std::function<void(const PlayView&)> onFrame;

    const Hero* hero = nullptr;
    PlayEnding ending = PlayEnding::Quit;
    Uint32 lastFrameStart = 0;
    std::vector<EndScreen> screens;
    std::vector<int> heldAtStart;  // LiveCounts() just before the first frame
    int firstPiafAppears = 0;      // slot 0's appear time, as built
    std::map<EndScreen, Uint32> screenShownAt;

private:
    std::map<int, Probe*> probes;
};
