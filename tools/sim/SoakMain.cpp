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

int MinutesFrom(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--minutes") == 0) {
        const int minutes = std::atoi(argv[2]);
        if (minutes > 0) {
            return minutes;
        }
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: corvanel-soak [--minutes N]   (60 by default)\n");
        std::exit(2);
    }
    return 60;
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
