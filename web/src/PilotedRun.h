// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/PlayObserver.h"
#include "platform/Trace.h"
#include "simulation/DrivenPlatform.h"
#include "simulation/Simulation.h"
#include "web/src/FrameGaps.h"

// One play-through flown by the autopilot in the page. On virtual time the
// clock moves only when the game waits, so the run is the one the desktop
// simulator makes, frame for frame, as fast as the tab allows; it prints
// the same event trace, the outcome and the frame-work benchmark to the
// console. At real speed it is there to be watched, and it times how evenly
// its frames follow one another; the page shows its progress as
// window.corvanelPlay.
class PilotedRun : private PlayObserver, private TraceSink {
public:
    enum class Clock { Virtual, Real };
    // The canvas of each frame in keptFrames is kept in the page, as
    // window.corvanelFrames[frame], for comparison with the desktop's.
    PilotedRun(Clock clock, std::vector<int> keptFrames);
    ~PilotedRun() override;

    // Returns the process exit code: on virtual time 0 after a victory and
    // 1 otherwise; at real speed, where the watcher may end it with ESC, 0.
    int Run();

private:
    void PlayStarted(const PlayView& view) override;
    void FrameStarted(const PlayView& view) override;
    void FrameDrawn(const PlayView& view) override;
    void PlayEnded(PlayEnding ending, const PlayView& view) override;
    void EndScreenShown(EndScreen screen, SDL_Surface* display) override;
    void Line(const char* text) override;

    void Steer(const PlayView& view);
    // The frame, lives, enemies in play and real-speed figures, for the page.
    void Publish(const PlayView& view);

    Clock clock;
    std::vector<int> keptFrames;
    std::unique_ptr<DrivenPlatform> platform;
    std::shared_ptr<Pilot> pilot;
    SimResult result;
    int frame = 0;
    Uint32 elapsed = 0;
    Uint32 firstFrameTicks = 0;
    std::string background;
    std::string bossPhase;
    double frameStartMs = 0;
    double setupStartMs = 0;
    FrameGaps gaps;
    double lastFrameAt = 0;
};
