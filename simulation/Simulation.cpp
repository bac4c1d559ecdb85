// SPDX-License-Identifier: MIT
#include "simulation/Simulation.h"

#include <SDL_mixer.h>
#include <sys/resource.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/Game.h"
#include "app/TitleScreen.h"
#include "gfx/Playfield.h"
#include "hero/Hero.h"
#include "platform/Failure.h"
#include "simulation/Screenshot.h"
#include "simulation/VirtualPlatform.h"
#include "simulation/WindowPlatform.h"

double WallSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double ThreadCpuSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

SDLKey KeyFromName(const std::string& name) {
    static const struct {
        const char* name;
        SDLKey key;
    } named[] = {{"UP", SDLK_UP},         {"DOWN", SDLK_DOWN},     {"LEFT", SDLK_LEFT},
                 {"RIGHT", SDLK_RIGHT},   {"ESCAPE", SDLK_ESCAPE}, {"ESC", SDLK_ESCAPE},
                 {"RETURN", SDLK_RETURN}, {"SPACE", SDLK_SPACE}};
    for (const auto& entry : named) {
        if (name == entry.name) {
            return entry.key;
        }
    }
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
        return static_cast<SDLKey>(SDLK_a +
                                   (std::tolower(static_cast<unsigned char>(name[0])) - 'a'));
    }
    return SDLK_UNKNOWN;
}

Simulation::Simulation(SimOptions options) : options(std::move(options)) {}

Simulation::~Simulation() = default;

void Simulation::ChoosePlatform() {
    if (!options.replayPath.empty()) {
        if (!log.Load(options.replayPath)) {
            StopWithError(2, "simulator: %s is not a recording", options.replayPath.c_str());
        }
        platform = std::make_unique<ReplayPlatform>(&log);
    } else if (options.window) {
        platform = std::make_unique<WindowPlatform>();
    } else {
        platform = std::make_unique<VirtualPlatform>(0);
    }
    platform->Install();
    if (!options.recordPath.empty()) {
        recorder = std::make_unique<RecordingPlatform>(platform.get(), &log);
        Platform::SetBackend(recorder.get());
    }
}

SDL_Surface* Simulation::OpenDisplay() {
    if (!options.window) {
        // Headless: both drivers named, or SDL 1.2 picks a text terminal.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    // A watched run gets a plain window rather than taking over the screen.
    const Uint32 flags = options.window
                             ? SDL_HWSURFACE | SDL_DOUBLEBUF
                             : SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN | SDL_HWPALETTE;
    SDL_Surface* screen = SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32, flags);
    if (!screen) {
        StopWithError(1, "simulator: cannot open the display: %s", SDL_GetError());
    }
    if (options.window) {
        SDL_WM_SetCaption("Corvanel (simulator)", "Corvanel");
    }
    return screen;
}

SimResult Simulation::Run() {
    // Every run starts where a freshly started game would: the game never
    // seeds its random numbers, and the standard generator starts as if
    // seeded with 1.
    std::srand(1);
    ChoosePlatform();
    const double start = WallSeconds();
    SDL_Surface* screen = OpenDisplay();
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    if (!options.window) {
        // The mixer fades music out on its own thread in real time, and
        // frees a fading track only once the fade is over. On virtual time
        // the game's pause after the fade passes at once, so the fade ends
        // with it.
        platform->OnDelay([](Uint32) {
            if (Mix_FadingMusic() == MIX_FADING_OUT) {
                Mix_HaltMusic();
            }
        });
    }
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK);

    const bool tracing = options.keepTrace || options.onTraceLine || options.timeFrames;
    if (tracing) {
        Trace::SetSink(this);
    }
    for (const ScreenshotRequest& request : options.screenshots) {
        if (request.screen == "title") {
            RunTitleScreen(screen);
            break;
        }
    }
    {
        Game game(screen, FramePeriodMs);
        game.SetObserver(this);
        for (int play = 0; play < options.plays; ++play) {
            result.plays.emplace_back();
            current = &result.plays.back();
            frame = 0;
            elapsed = 0;
            setupStartWall = WallSeconds();
            game.Run();
        }
    }
    Trace::SetSink(nullptr);
    result.virtualMs = lastTicks;
    if (!options.recordPath.empty()) {
        errno = 0;
        if (!log.Save(options.recordPath)) {
            NoteUnwritten(options.recordPath);
        }
    }
    Platform::SetBackend(nullptr);
    result.wallSeconds = WallSeconds() - start;
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    result.peakMemoryKiB = usage.ru_maxrss;
    ShutDownSdl();
    return std::move(result);
}

void Simulation::RunTitleScreen(SDL_Surface* display) {
    TitleScreen title(display, FramePeriodMs);
    int emptyPolls = 0;
    platform->OnEmptyQueue([&] {
        if (++emptyPolls == 2) {
            platform->PushKeyDown(SDLK_RETURN);  // from its second frame on
        }
    });
    title.Run();
    platform->OnEmptyQueue(nullptr);
    TakeScreenshots(0, "title", display);
}

void Simulation::PrepareFrame(int next, const PlayView* view) {
    platform->ReleaseAllKeys();
    for (const KeyHold& hold : options.holds) {
        if (hold.from <= next && next <= hold.to) {
            platform->SetKey(hold.key, true);
        }
    }
    if (options.pilot && view) {
        options.pilot->Decide(*view, platform->DriverKeys());
    }
    for (const KeyPress& press : options.presses) {
        if (press.frame == next) {
            platform->PushKeyDown(press.key);
        }
    }
    for (int close : options.windowCloses) {
        if (close == next) {
            platform->PushQuit();
        }
    }
    if (next == options.maxFrames) {
        platform->PushKeyDown(SDLK_ESCAPE);
    }
}

void Simulation::PlayStarted(const PlayView& view) {
    current->setupMs = (WallSeconds() - setupStartWall) * 1000.0;
    firstFrameTicks = view.now;
    PrepareFrame(1, &view);
}

void Simulation::FrameStarted(const PlayView& view) {
    lastTicks = view.now;
    frame = view.frame;
    elapsed = view.elapsed;
    if (frame == 1) {
        firstFrameTicks = view.now;
    }
    frameStartCpu = ThreadCpuSeconds();
}

void Simulation::FrameDrawn(const PlayView& view) {
    if (options.timeFrames) {
        const double workMs = (ThreadCpuSeconds() - frameStartCpu) * 1000.0;
        result.frameTimes.push_back({workMs, background + bossPhase});
    }
    current->frames = view.frame;
    current->playMs = view.now - firstFrameTicks;
    TakeScreenshots(view.frame, "", view.screen);
    if (options.onFrame) {
        options.onFrame(view);
    }
    PrepareFrame(view.frame + 1, &view);
}

void Simulation::PlayEnded(PlayEnding ending, const PlayView& view) {
    current->ending = ending;
    current->score = view.totalScore;
    current->lives = view.hero->GetLives();
    current->frames = view.frame;
    current->playMs = view.now - firstFrameTicks;
}

void Simulation::EndScreenShown(EndScreen which, SDL_Surface* display) {
    current->screensShown.push_back(which);
    static const char* const names[] = {"gameover", "newspaper", "summary"};
    TakeScreenshots(0, names[static_cast<int>(which)], display);
    // The screen waits for RETURN; a person at the window presses it.
    const bool personPlays = options.window && !options.pilot;
    if (which != EndScreen::Newspaper && !personPlays) {
        platform->PushKeyDown(SDLK_RETURN);
    }
}

void Simulation::TakeScreenshots(int shotFrame, const std::string& screen, SDL_Surface* display) {
    for (const ScreenshotRequest& request : options.screenshots) {
        const bool wanted = screen.empty() ? request.frame == shotFrame && request.screen.empty()
                                           : request.screen == screen;
        if (wanted) {
            errno = 0;
            if (!SaveScreenshot(display, request.path, options.screenshotShrink)) {
                NoteUnwritten(request.path);
            }
        }
    }
}

// Said at once, with the system's reason when there is one, and counted
// against the run: a run whose files are missing has not done its work.
void Simulation::NoteUnwritten(const std::string& path) {
    const int reason = errno;
    if (reason != 0) {
        std::fprintf(stderr, "simulator: cannot write %s: %s\n", path.c_str(),
                     std::strerror(reason));
    } else {
        std::fprintf(stderr, "simulator: cannot write %s\n", path.c_str());
    }
    result.unwritten.push_back(path);
}

void Simulation::Line(const char* text) {
    char line[320];
    std::snprintf(line, sizeof line, "%6d %9.3f  %s", frame, elapsed / 1000.0, text);
    if (std::strncmp(text, "background ", 11) == 0) {
        background = std::string(text + 11, std::strcspn(text + 11, " "));
    } else if (std::strncmp(text, "boss ", 5) == 0 && std::strstr(text, " phase ")) {
        bossPhase = std::string(" + ") + (text + 5);
    } else if (std::strncmp(text, "boss ", 5) == 0 &&
               (std::strstr(text, " destroyed") || std::strstr(text, " left"))) {
        bossPhase.clear();
    }
    if (options.keepTrace) {
        result.trace.emplace_back(line);
    }
    if (options.onTraceLine) {
        options.onTraceLine(line);
    }
}
