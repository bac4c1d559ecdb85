// SPDX-License-Identifier: MIT
// The browser build's entry point. The page passes "--autopilot virtual" or
// "--autopilot watch" when asked for the autopilot; otherwise the game runs
// exactly as on the desktop.
#include <cstring>

#include "app/Program.h"
#include "web/src/PilotedRun.h"

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--autopilot") == 0) {
            const bool watch = std::strcmp(argv[i + 1], "watch") == 0;
            PilotedRun run(watch ? PilotedRun::Clock::Real : PilotedRun::Clock::Virtual);
            return run.Run();
        }
    }
    return RunProgram();
}
