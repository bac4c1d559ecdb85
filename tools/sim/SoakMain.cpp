// SPDX-License-Identifier: MIT
// corvanel-soak: holds the final boss fight on virtual time for a long time,
// with a pilot that survives but never shoots, and checks that live shots
// stay bounded, memory stops growing and the frame work does not drift.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "bosses/Boss.h"
#include "gfx/LiveCount.h"
#include "gfx/Playfield.h"
#include "simulation/SoakPilot.h"
#include "simulation/SoakWatch.h"

namespace {

constexpr int FramesPerMinute = 60000 / FramePeriodMs;
// The final boss comes into play about 17,800 frames after play starts.
constexpr int FramesBeforeTheFinalBoss = 18000;
// Every shooter's pool: the hero's 60, Xantum's 2000 and the enemies' that
// may still be finishing; only Xantum fires in its fight.
constexpr int ShotCapacity = 60 + Boss::ShotSlotCount;

// The longest fight whose frame count still fits the simulator's numbers,
// rounded down: about a week of play.
constexpr int MostMinutes = 10000;

const char Usage[] =
    "usage: corvanel-soak [--minutes N]\n"
    "  holds the final boss fight for N minutes of play on virtual time (60 by\n"
    "  default) and judges live shots, memory and frame work minute by minute;\n"
    "  N is at least %d, since the judgement compares the first minutes after\n"
    "  memory settles with the last ones, and at most %d.\n";

// A fight too short to judge is refused before it is played: its verdict
// is known at once, and minutes of wall time would only end in it.
int MinutesFrom(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(Usage, SoakWatch::MinimumMinutes, MostMinutes);
        std::exit(0);
    }
    if (argc == 1) {
        return 60;
    }
    if (argc == 3 && std::strcmp(argv[1], "--minutes") == 0) {
        char* end = nullptr;
        const long minutes = std::strtol(argv[2], &end, 10);
        if (*argv[2] != '\0' && *end == '\0' && minutes >= SoakWatch::MinimumMinutes &&
            minutes <= MostMinutes) {
            return static_cast<int>(minutes);
        }
        std::fprintf(stderr, "corvanel-soak: not a number of minutes from %d to %d: %s\n",
                     SoakWatch::MinimumMinutes, MostMinutes, argv[2]);
    }
    std::fprintf(stderr, Usage, SoakWatch::MinimumMinutes, MostMinutes);
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = MinutesFrom(argc, argv);
    auto pilot = std::make_shared<SoakPilot>();
    SoakWatch watch;
    double lastFrameWall = 0;
    int fightFrames = 0;

    SimOptions options;
    options.pilot = pilot;
    options.maxFrames = FramesBeforeTheFinalBoss + minutes * FramesPerMinute + 2;
    options.onFrame = [&](const PlayView& view) {
        const double now = WallSeconds();
        if (pilot->FinalBossFrame() != 0 && view.frame > pilot->FinalBossFrame()) {
            const double workMs = (now - lastFrameWall) * 1000.0 - pilot->LastDecisionMs();
            watch.Frame(LiveCount::Of(Held::Shot), workMs);
            if (++fightFrames % FramesPerMinute == 0) {
                watch.EndMinute();
            }
        }
        lastFrameWall = now;
    };
    const double start = WallSeconds();
    const SimResult result = Simulation(options).Run();
    const PlayResult& play = result.plays.at(0);

    std::printf(
        "final boss in play from frame %d; the fight lasted %.1f minutes of play (%d "
        "frames), %s with %d lives, in %.0f s of wall time\n",
        pilot->FinalBossFrame(), fightFrames / static_cast<double>(FramesPerMinute), fightFrames,
        play.ending == PlayEnding::Quit ? "left by ESC" : "ENDED", play.lives,
        WallSeconds() - start);
    const bool held = play.ending == PlayEnding::Quit && fightFrames >= minutes * FramesPerMinute;
    const bool healthy = watch.Report(stdout, ShotCapacity);
    std::puts(held && healthy ? "soak passed" : "SOAK FAILED");
    return held && healthy ? 0 : 1;
}
