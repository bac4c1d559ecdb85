#include "tools/sim/Simulation.h"

#include <SDL_mixer.h>
#include <sys/resource.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Game.h"
#include "app/TitleScreen.h"
#include "gfx/Failure.h"
#include "gfx/Playfield.h"
#include "hero/Hero.h"
#include "tools/sim/Screenshot.h"

double WallSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
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

Simulation::Simulation(SimOptions options) : options(std::move(options)), platform(0) {}

Simulation::~Simulation() = default;

SimResult Simulation::Run() {
    // Headless: both drivers named, or SDL 1.2 picks a text terminal.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform.Install();
    const double start = WallSeconds();

    SDL_Surface* screen =
        SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32,
                         SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN | SDL_HWPALETTE);
    if (!screen) {
        StopWithError(1, "simulator: cannot open the dummy display: %s", SDL_GetError());
    }
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    // The mixer fades music out on its own thread in real time, and frees a
    // fading track only once the fade is over. On virtual time the game's
    // pause after the fade passes at once, so the fade ends with it.
    platform.OnDelay([](Uint32) {
        if (Mix_FadingMusic() == MIX_FADING_OUT) {
            Mix_HaltMusic();
        }
    });
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
    result.virtualMs = platform.Now();
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
    platform.OnEmptyQueue([&] {
        if (++emptyPolls == 2) {
            platform.PushKeyDown(SDLK_RETURN);  // from its second frame on
        }
    });
    title.Run();
    platform.OnEmptyQueue(nullptr);
    TakeScreenshots(0, "title", display);
}

void Simulation::PrepareFrame(int next, const PlayView* view) {
    platform.ReleaseAllKeys();
    for (const KeyHold& hold : options.holds) {
        if (hold.from <= next && next <= hold.to) {
            platform.SetKey(hold.key, true);
        }
    }
    if (options.pilot && view) {
        options.pilot->Decide(*view, platform.GetKeyState());
    }
    for (const KeyPress& press : options.presses) {
        if (press.frame == next) {
            platform.PushKeyDown(press.key);
        }
    }
    for (int close : options.windowCloses) {
        if (close == next) {
            platform.PushQuit();
        }
    }
    if (next == options.maxFrames) {
        platform.PushKeyDown(SDLK_ESCAPE);
    }
}

void Simulation::PlayStarted(const PlayView& view) {
    current->setupMs = (WallSeconds() - setupStartWall) * 1000.0;
    firstFrameTicks = view.now;
    PrepareFrame(1, &view);
}

void Simulation::FrameStarted(const PlayView& view) {
    frame = view.frame;
    elapsed = view.elapsed;
    if (frame == 1) {
        firstFrameTicks = view.now;
    }
    frameStartWall = WallSeconds();
}

void Simulation::FrameDrawn(const PlayView& view) {
    if (options.timeFrames) {
        const double workMs = (WallSeconds() - frameStartWall) * 1000.0;
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
    if (which != EndScreen::Newspaper) {
        platform.PushKeyDown(SDLK_RETURN);  // the screen waits for it
    }
}

void Simulation::TakeScreenshots(int shotFrame, const std::string& screen, SDL_Surface* display) {
    for (const ScreenshotRequest& request : options.screenshots) {
        const bool wanted = screen.empty() ? request.frame == shotFrame && request.screen.empty()
                                           : request.screen == screen;
        if (wanted && !SaveScreenshot(display, request.path)) {
            std::fprintf(stderr, "simulator: cannot write %s\n", request.path.c_str());
        }
    }
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
