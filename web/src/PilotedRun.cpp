// SPDX-License-Identifier: MIT
#include "web/src/PilotedRun.h"

#include <SDL_mixer.h>
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/Game.h"
#include "enemies/Enemy.h"
#include "gfx/Playfield.h"
#include "hero/Hero.h"
#include "simulation/Pilots.h"
#include "simulation/Report.h"
#include "simulation/VirtualPlatform.h"
#include "web/src/BrowserClock.h"
#include "web/src/BrowserMixer.h"
#include "web/src/WatchedPlatform.h"

namespace {

// On virtual time the game never really waits; every so many frames the
// run hands the tab back to the browser, which paints the canvas and keeps
// the page answering.
constexpr int FramesBetweenBreaths = 64;

}  // namespace

PilotedRun::PilotedRun(Clock clock, std::vector<int> keptFrames)
    : clock(clock), keptFrames(std::move(keptFrames)), pilot(MakePilot("auto")) {}

PilotedRun::~PilotedRun() = default;

int PilotedRun::Run() {
    if (clock == Clock::Virtual) {
        platform = std::make_unique<VirtualPlatform>(0);
        BrowserMixer::Silence();
    } else {
        platform = std::make_unique<WatchedPlatform>();
    }
    platform->Install();
    const double start = emscripten_get_now();
    SDL_Surface* screen = SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32,
                                           SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_HWPALETTE);
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK);
    Trace::SetSink(this);
    result.plays.emplace_back();
    {
        Game game(screen, FramePeriodMs);
        game.SetObserver(this);
        setupStartMs = emscripten_get_now();
        game.Run();
    }
    Trace::SetSink(nullptr);
    Platform::SetBackend(nullptr);
    result.wallSeconds = (emscripten_get_now() - start) / 1000.0;
    result.peakMemoryKiB = static_cast<long>(EM_ASM_DOUBLE({ return HEAP8.length; }) / 1024.0);
    std::printf("autopilot in the browser, %s\n",
                clock == Clock::Virtual ? "on virtual time" : "at real speed");
    PrintBenchmark(stdout, result);
    if (clock == Clock::Real) {
        gaps.Print(stdout);
    }
    std::fflush(stdout);
    const bool won = result.plays.front().ending == PlayEnding::Victory;
    return clock == Clock::Real || won ? 0 : 1;
}

void PilotedRun::Steer(const PlayView& view) {
    platform->ReleaseAllKeys();
    pilot->Decide(view, platform->DriverKeys());
}

void PilotedRun::PlayStarted(const PlayView& view) {
    result.plays.front().setupMs = emscripten_get_now() - setupStartMs;
    firstFrameTicks = view.now;
    Steer(view);
}

void PilotedRun::FrameStarted(const PlayView& view) {
    result.virtualMs = view.now;
    frame = view.frame;
    elapsed = view.elapsed;
    if (frame == 1) {
        firstFrameTicks = view.now;
    }
    frameStartMs = emscripten_get_now();
    if (clock == Clock::Real) {
        // On the game's clock, which a hidden page holds.
        const double at = BrowserClock::PreciseMs();
        if (frame > 1) {
            gaps.Add(at - lastFrameAt);
        }
        lastFrameAt = at;
        Publish(view);
    }
}

void PilotedRun::Publish(const PlayView& view) {
    int enemies = 0;
    for (int slot = 0; slot < view.enemySlotCount; ++slot) {
        const Enemy* enemy = view.enemySlots[slot];
        enemies += enemy && enemy->HasAppeared(view.now) ? 1 : 0;
    }
    EM_ASM(
        {
            const play = window.corvanelPlay || (window.corvanelPlay = {});
            play.frame = $0;
            play.lives = $1;
            play.enemies = $2;
            play.seconds = $3;
            play.perSecond = $4;
            play.overOneRefreshPerMinute = $5;
            play.overTwoRefreshesPerMinute = $6;
            play.worstMs = $7;
        },
        view.frame, view.hero->GetLives(), enemies, gaps.Seconds(), gaps.PerSecond(),
        gaps.OverOneRefreshPerMinute(), gaps.OverTwoRefreshesPerMinute(), gaps.WorstMs());
}

void PilotedRun::FrameDrawn(const PlayView& view) {
    const double workMs = emscripten_get_now() - frameStartMs;
    if (std::find(keptFrames.begin(), keptFrames.end(), view.frame) != keptFrames.end()) {
        EM_ASM(
            {
                const canvas = Module.canvas;
                window.corvanelFrames = window.corvanelFrames || {};
                window.corvanelFrames[$0] =
                    canvas.getContext('2d').getImageData(0, 0, 640, 480).data;
            },
            view.frame);
    }
    result.frameTimes.push_back({workMs, background + bossPhase});
    PlayResult& play = result.plays.front();
    play.frames = view.frame;
    play.playMs = view.now - firstFrameTicks;
    Steer(view);
    if (clock == Clock::Virtual && view.frame % FramesBetweenBreaths == 0) {
        emscripten_sleep(0);
    }
}

void PilotedRun::PlayEnded(PlayEnding ending, const PlayView& view) {
    PlayResult& play = result.plays.front();
    play.ending = ending;
    play.score = view.totalScore;
    play.lives = view.hero->GetLives();
    play.frames = view.frame;
    play.playMs = view.now - firstFrameTicks;
}

void PilotedRun::EndScreenShown(EndScreen which, SDL_Surface*) {
    result.plays.front().screensShown.push_back(which);
    // The newspaper passes by itself; the others wait for RETURN.
    if (which != EndScreen::Newspaper) {
        platform->PushKeyDown(SDLK_RETURN);
    }
}

// The same lines, with the same frame and time columns, as the desktop
// simulator's trace, so that the two can be compared line by line; a
// watched run keeps the console quiet.
void PilotedRun::Line(const char* text) {
    if (clock == Clock::Virtual) {
        std::printf("%6d %9.3f  %s\n", frame, elapsed / 1000.0, text);
    }
    if (std::strncmp(text, "background ", 11) == 0) {
        background = std::string(text + 11, std::strcspn(text + 11, " "));
    } else if (std::strncmp(text, "boss ", 5) == 0 && std::strstr(text, " phase ")) {
        bossPhase = std::string(" + ") + (text + 5);
    } else if (std::strncmp(text, "boss ", 5) == 0 &&
               (std::strstr(text, " destroyed") || std::strstr(text, " left"))) {
        bossPhase.clear();
    }
}
