// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/PlayObserver.h"
#include "platform/Trace.h"
#include "simulation/DrivenPlatform.h"
#include "simulation/Replay.h"

// A key held over a range of frames of play (both ends included; frame 1 is
// the first frame), or pressed once at the start of a frame.
struct KeyHold {
    SDLKey key;
    int from;
    int to;
};
struct KeyPress {
    SDLKey key;
    int frame;
};

// A screenshot of the frame with that number once it has been drawn, or of
// a named screen ("title", "gameover", "newspaper", "summary") when frame is 0.
struct ScreenshotRequest {
    int frame;
    std::string screen;
    std::string path;
};

// Chooses the keys for the next frame from what the player can see.
class Pilot {
public:
    virtual ~Pilot() = default;
    virtual void Decide(const PlayView& view, Uint8* keys) = 0;
};

struct SimOptions {
    std::vector<KeyHold> holds;
    std::vector<KeyPress> presses;
    // Frames at whose start the window's quit request arrives.
    std::vector<int> windowCloses;
    std::vector<ScreenshotRequest> screenshots;
    int screenshotShrink = 1;  // 2 writes them at half size
    std::shared_ptr<Pilot> pilot;
    int plays = 1;
    // ESC is pressed for this frame when the play-through is still running.
    int maxFrames = 40000;
    bool keepTrace = false;
    // Every trace line as soon as it is made (for printing as it goes).
    std::function<void(const std::string&)> onTraceLine;
    // Called after every drawn frame; for tests that look inside.
    std::function<void(const PlayView&)> onFrame;
    bool timeFrames = false;
    // Open a real window and run at real speed, with the pilot flying or the
    // person at the keyboard and stick.
    bool window = false;
    // Write everything that crosses the platform seam to this file.
    std::string recordPath;
    // Replay such a file instead of taking any input: the run repeats.
    std::string replayPath;
};

struct FrameTiming {
    double workMs;        // the game thread's processor time for the frame
    std::string stretch;  // the scenery and boss phase on screen
};

struct PlayResult {
    PlayEnding ending = PlayEnding::Quit;
    int frames = 0;
    Uint32 playMs = 0;  // virtual time from the first frame to the last
    int score = 0;
    int lives = 0;
    double setupMs = 0;  // wall time of loading, before the lead-in
    std::vector<EndScreen> screensShown;
};

struct SimResult {
    std::vector<PlayResult> plays;
    double wallSeconds = 0;
    Uint32 virtualMs = 0;
    std::vector<std::string> trace;
    std::vector<FrameTiming> frameTimes;
    long peakMemoryKiB = 0;
    // The recording and screenshots asked for that could not be written.
    std::vector<std::string> unwritten;
};

// Runs the real Game on virtual time with the dummy video and audio
// drivers, feeding it scripted or piloted input.
class Simulation : private PlayObserver, private TraceSink {
public:
    explicit Simulation(SimOptions options);
    ~Simulation() override;

    SimResult Run();

private:
    void PlayStarted(const PlayView& view) override;
    void FrameStarted(const PlayView& view) override;
    void FrameDrawn(const PlayView& view) override;
    void PlayEnded(PlayEnding ending, const PlayView& view) override;
    void EndScreenShown(EndScreen screen, SDL_Surface* display) override;
    void Line(const char* text) override;

    void PrepareFrame(int frame, const PlayView* view);
    void TakeScreenshots(int frame, const std::string& screen, SDL_Surface* display);
    void NoteUnwritten(const std::string& path);
    void RunTitleScreen(SDL_Surface* display);

    void ChoosePlatform();
    SDL_Surface* OpenDisplay();

    SimOptions options;
    std::unique_ptr<DrivenPlatform> platform;
    ReplayLog log;
    std::unique_ptr<RecordingPlatform> recorder;
    SimResult result;
    PlayResult* current = nullptr;
    int frame = 0;
    Uint32 elapsed = 0;
    Uint32 firstFrameTicks = 0;
    Uint32 lastTicks = 0;
    std::string background;
    std::string bossPhase;
    double frameStartCpu = 0;
    double setupStartWall = 0;
};

// Key names of the input scripts: G, UP, DOWN, LEFT, RIGHT, ESCAPE, RETURN,
// SPACE, or a single letter. SDLK_UNKNOWN when the name is not known.
SDLKey KeyFromName(const std::string& name);

// Wall-clock seconds, for timing the simulator itself.
double WallSeconds();
// Seconds of processor time the calling thread has used: a frame's work
// measured so, other programs on a busy machine do not add to it.
double ThreadCpuSeconds();
