// SPDX-License-Identifier: MIT
#include "tests/LoopHarness.h"

#include "app/Game.h"
#include "tests/CallLog.h"

bool Probe::Update() {
    CallLog::Note("update " + name);
    return !(finished && finished());
}

int Probe::TestHits(Shot** heroShots, int count) {
    CallLog::Note("hits " + name);
    if (++calls != hitAtCall) {
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        if (heroShots[i]) {
            destroyed = destroyed || diesOfHit;
            return i;
        }
    }
    return -1;
}

Shot** Probe::GetShots() {
    CallLog::Note("shots " + name);
    return &shot;
}

Rect OnTheShip() {
    return MakeRect(ShipCentreX - 10, ShipCentreY - 10, 20, 20);
}

Rect AwayFromTheShip(int n) {
    return MakeRect(150 + 40 * n, 100, 20, 20);
}

Probe* Gunner() {
    Probe* gunner = new Probe("gunner", AwayFromTheShip());
    gunner->shot = ShotMaker(SDL_GetVideoSurface()).Still(ShipCentreX, ShipCentreY, 200, 200);
    return gunner;
}

void LoopTest::RunGame() {
    Game game(display.screen, 13);
    game.SetObserver(this);
    game.Run();
}

void LoopTest::PlayStarted(const PlayView& view) {
    heldAtStart = LiveCounts();
    firstPiafAppears = view.enemySlots[0]->GetAppearTime();
    Enemy** slots = const_cast<Enemy**>(view.enemySlots);
    for (int slot = 0; slot < view.enemySlotCount; ++slot) {
        delete slots[slot];
        slots[slot] = nullptr;
    }
    for (const auto& [slot, probe] : probes) {
        slots[slot] = probe;
    }
    probes.clear();
    hero = view.hero;
}

void LoopTest::FrameStarted(const PlayView& view) {
    lastFrameStart = view.now;
    if (view.frame == lastFrame + 1) {
        clock.PushKeyDown(SDLK_ESCAPE);
    }
}

void LoopTest::FrameDrawn(const PlayView& view) {
    if (onFrame) {
        onFrame(view);
    }
}

void LoopTest::EndScreenShown(EndScreen screen, SDL_Surface*) {
    screens.push_back(screen);
    screenShownAt[screen] = clock.Now();
    clock.PushKeyDown(SDLK_RETURN);
}

std::vector<std::string> LoopTest::FrameLines(const std::vector<std::string>& log, int frame) {
    std::vector<std::string> lines;
    int flips = 0;  // the first shows the loading picture
    for (const std::string& line : log) {
        const bool flip = line.rfind("flip", 0) == 0;
        if (flips == frame) {
            lines.push_back(line);
        }
        flips += flip;
    }
    return lines;
}

std::vector<std::string> LoopTest::Steps(const std::vector<std::string>& log, int frame) {
    std::vector<std::string> steps;
    const std::pair<const char*, const char*> kinds[] = {{"flip", "flip"},
                                                         {"Panorama/Contour", "frame"},
                                                         {"Jauge/", "gauge"},
                                                         {"Panorama/", "background"},
                                                         {"Heros/", "ship"}};
    for (const std::string& line : FrameLines(log, frame)) {
        std::string step = line;
        for (const auto& [part, kind] : kinds) {
            if (line.find(part) != std::string::npos) {
                step = kind;
                break;
            }
        }
        if (steps.empty() || steps.back() != step) {
            steps.push_back(step);
        }
    }
    return steps;
}
