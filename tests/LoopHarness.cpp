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

void LoopTest::RunGame() {
    Game game(display.screen, 13);
    game.SetObserver(this);
    game.Run();
}

void LoopTest::PlayStarted(const PlayView& view) {
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
    for (const std::string& line : FrameLines(log, frame)) {
        std::string step = line;
        if (line.rfind("flip", 0) == 0) {
            step = "flip";
        } else if (line.find("Panorama/Contour") != std::string::npos) {
            step = "frame";
        } else if (line.find("Jauge/") != std::string::npos) {
            step = "gauge";
        } else if (line.find("Panorama/") != std::string::npos) {
            step = "background";
        } else if (line.find("Heros/") != std::string::npos) {
            step = "ship";
        }
        if (steps.empty() || steps.back() != step) {
            steps.push_back(step);
        }
    }
    return steps;
}
