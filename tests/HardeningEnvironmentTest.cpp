// SPDX-License-Identifier: MIT
// Machines the game may meet: no display mode to be had, no audio device,
// closed standard descriptors, a closed pipe on standard output, and
// termination signals from a terminal, a session's end or `kill`. Each has
// one clear outcome, and none of them crashes or hangs.
#include <SDL_mixer.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>

#include "app/EndScreens.h"
#include "app/Program.h"
#include "gfx/LiveCount.h"
#include "platform/ProcessGuard.h"
#include "tests/BadFilesTree.h"

namespace {

// Says on standard error, when the game reports that a signal stopped it,
// whether the audio device was closed and SDL shut down by then.
struct StopWitness : TraceLines {
    void Line(const char* text) override {
        if (std::string(text).rfind("stopped by", 0) == 0) {
            std::fprintf(stderr, "%s: audio %s, SDL %s\n", text,
                         Mix_QuerySpec(nullptr, nullptr, nullptr) ? "open" : "closed",
                         SDL_WasInit(SDL_INIT_EVERYTHING) ? "up" : "down");
        }
    }
};

// Runs the whole program, or the victory screens, on virtual time: `key` is
// pressed on the title's second frame (RETURN starts a play-through that the
// ship never flies, ESC quits). The signal, if any, comes once the nth pause
// of `ms` has passed; a program still going a thousand pauses later has
// swallowed it, and ends with exit code 3.
int RunProgramWith(SDLKey key, int sig = 0, Uint32 ms = 0, int nth = 0, bool victory = false) {
    VirtualPlatform clock(0);
    clock.Install();
    int polls = 0, pauses = 0, after = 0;
    clock.OnEmptyQueue([&] {
        if (++polls == 2) {
            clock.PushKeyDown(key);
        }
    });
    clock.OnDelay([&](Uint32 passed) {
        if (passed == ms && ++pauses == nth) {
            std::raise(sig);
        }
        if (pauses >= nth && sig && ++after > 1000) {
            std::_Exit(3);
        }
    });
    StopWitness witness;
    if (!victory) {
        return RunProgram();
    }
    TestScreen display;
    SurfacePtr newspaper = LoadOpaqueImage("./Images/Panorama/Journal.png");
    SurfacePtr summary = LoadOpaqueImage("./Images/Panorama/Bilan.png");
    ProcessGuard guard;
    guard.LetSignalsIn();
    ShowVictoryScreens(display.screen, newspaper.get(), summary.get(),
                       MakeShip(display.screen).get(), 0, nullptr);
    return 0;
}

bool IsNullDevice(int descriptor) {
    struct stat opened = {}, null = {};
    return fstat(descriptor, &opened) == 0 && stat("/dev/null", &null) == 0 &&
           S_ISCHR(opened.st_mode) && opened.st_rdev == null.st_rdev;
}

// Runs the real game in the folder without an audio device, its standard
// output a pipe to the test; once the warning there says that the game is
// up, sends it the signal, if any. The exit status, and the most memory the
// game held. A game silent for a minute is killed.
int RunRealGame(const std::string& folder, int sig, long* peakKiB) {
    int out[2];
    EXPECT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        _exit(chdir(folder.c_str()) == 0 ? execl(CORVANEL_BINARY, CORVANEL_BINARY, nullptr) : 127);
    }
    close(out[1]);
    pollfd ready = {out[0], POLLIN, 0};
    for (char c = 0; poll(&ready, 1, 60000) == 1 && read(out[0], &c, 1) == 1;) {
        if (c == '\n' && sig != 0) {
            kill(pid, sig);
            sig = 0;
        }
    }
    kill(pid, SIGKILL);  // nothing to a game that has ended and awaits its wait
    close(out[0]);
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    *peakKiB = usage.ru_maxrss;
    return status;
}

}  // namespace

TEST(Hardening, WithoutAVideoModeTheRealGameSaysSoAndExitsWithOne) {
    ScratchFolder empty;
    const CommandResult run =
        RunGameIn(empty.Path(), "SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.err.substr(0, 64),
              "corvanel: cannot set the 640x480 32-bit full-screen video mode: ");
    EXPECT_EQ(run.out, "");
}

// Without an audio device, a whole play-through runs from the title screen
// on the keyboard: the program warns first, and no sound effect loads (the
// music tracks load but never play), yet the ship fires.
TEST(Hardening, WithoutAudioAPlayThroughRunsSilentlyOnTheKeyboard) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    VirtualPlatform clock(0);
    clock.Install();
    clock.SetKey(SDLK_g, true);
    int frames = 0, mostSounds = 0, mostShots = 0;
    Uint32 lastFrame = 1;
    clock.OnEmptyQueue([&] {
        // Once a frame: the second title frame starts play, ESC ends it 300
        // frames on, and the next ESC leaves the title screen.
        if (clock.Now() != lastFrame && (++frames == 2 || frames >= 300)) {
            clock.PushKeyDown(frames == 2 ? SDLK_RETURN : SDLK_ESCAPE);
        }
        lastFrame = clock.Now();
        mostSounds = std::max(mostSounds, LiveCount::Of(Held::Chunk));
        mostShots = std::max(mostShots, LiveCount::Of(Held::Shot));
    });
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunProgram(), 0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // the device back for the tests after this one
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: ", 0), 0u) << out;
    EXPECT_EQ(mostSounds, 0);
    EXPECT_GT(mostShots, 5);
}

// The window's close request stays ignored during play, but TERM, INT and
// HUP end the game from wherever it is, audio closed and SDL shut down
// (which gives a full-screen display its mode back), with the status of a
// process ended by that signal.
TEST(Hardening, ATerminationSignalEndsTheGameCleanlyFromEveryScreen) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // a device to close
    const struct {
        const char* screen;
        int sig;
        Uint32 ms;
        int nth;
        bool victory;
    } cases[] = {{"title", SIGTERM, 13, 1, false},     {"loading", SIGINT, 1000, 1, false},
                 {"play", SIGHUP, 13, 100, false},     {"game over", SIGTERM, 10, 1, false},
                 {"newspaper", SIGINT, 3000, 1, true}, {"summary", SIGHUP, 10, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        EXPECT_EXIT(RunProgramWith(SDLK_RETURN, c.sig, c.ms, c.nth, c.victory),
                    testing::KilledBySignal(c.sig),
                    "stopped by signal " + std::to_string(c.sig) + ": audio closed, SDL down");
    }
}

// TERM, INT and HUP end the real game too. A 16000 x 16000 title picture
// cost 260 MB before it was refused; now it costs less than showing the real
// title does.
TEST(Hardening, TheRealGameEndsOnASignalAndRefusesAHugePictureBeforeItCostsMemory) {
    long titleKiB = 0, hugeKiB = 0;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        const int status = RunRealGame(CORVANEL_DATA_DIR, sig, &titleKiB);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig << ": " << status;
    }
    BadFilesTree tree;
    tree.Write("Images/Panorama/Titre.png", PngClaiming(16000, 16000));
    const int status = RunRealGame(tree.Path(), 0, &hugeKiB);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_LT(hugeKiB, titleKiB + 64 * 1024) << titleKiB;
}

// Started with them closed, SDL's display connection or a file the game
// reads would take the descriptors that warnings are written to; and
// `corvanel | true` without audio once died writing the warning to the
// closed pipe, before SDL was shut down.
TEST(Hardening, ClosedStandardDescriptorsAndAClosedPipeAreSurvived) {
    EXPECT_EXIT(
        {
            int out[2];
            if (pipe(out) != 0 || dup2(out[1], 1) != 1) {
                std::exit(2);
            }
            close(out[0]);
            close(0);
            close(2);
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            const int code = RunProgramWith(SDLK_ESCAPE);
            std::exit(code == 0 && IsNullDevice(0) && IsNullDevice(2) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
