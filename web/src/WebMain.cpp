// SPDX-License-Identifier: MIT
// The browser build's entry point. The page passes "--autopilot virtual" or
// "--autopilot watch" when asked for the autopilot, and "--keep-frame N"
// for each frame whose picture a test wants; otherwise the game runs
// exactly as on the desktop.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/Program.h"
#include "web/src/PilotedRun.h"

int main(int argc, char** argv) {
    const char* autopilot = nullptr;
    std::vector<int> keptFrames;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--autopilot") == 0) {
            autopilot = argv[i + 1];
        } else if (std::strcmp(argv[i], "--keep-frame") == 0) {
            keptFrames.push_back(std::atoi(argv[i + 1]));
        }
    }
    if (autopilot && std::strcmp(autopilot, "watch") == 0) {
        return PilotedRun(PilotedRun::Clock::Real, keptFrames).Run();
    }
    if (autopilot && std::strcmp(autopilot, "virtual") == 0) {
        return PilotedRun(PilotedRun::Clock::Virtual, keptFrames).Run();
    }
    return RunProgram();
}
