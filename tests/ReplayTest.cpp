// SPDX-License-Identifier: MIT
// A recorded run replays without its pilot: every clock reading, delay,
// event, key state and stick state comes back from the file, so the
// replay takes the same course to the last line of its trace.
#include "simulation/Replay.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "simulation/Pilots.h"
#include "simulation/Simulation.h"
#include "tests/TestSupport.h"

TEST(Replay, ARecordedRunRepeatsExactlyWithoutItsPilot) {
    const TempFile file("run.rec");
    SimOptions recorded;
    recorded.keepTrace = true;
    recorded.pilot = MakePilot("fire");
    recorded.holds = {{SDLK_UP, 100, 160}};
    recorded.maxFrames = 1500;
    recorded.recordPath = file.path;
    const SimResult first = Simulation(recorded).Run();

    SimOptions replayed;
    replayed.keepTrace = true;
    replayed.replayPath = file.path;
    const SimResult second = Simulation(replayed).Run();

    ASSERT_EQ(first.plays.size(), 1u);
    ASSERT_EQ(second.plays.size(), 1u);
    EXPECT_EQ(second.plays[0].ending, first.plays[0].ending);
    EXPECT_EQ(second.plays[0].frames, first.plays[0].frames);
    EXPECT_EQ(second.plays[0].score, first.plays[0].score);
    EXPECT_EQ(second.plays[0].lives, first.plays[0].lives);
    EXPECT_GT(first.trace.size(), 50u);
    EXPECT_EQ(second.trace, first.trace);
}

// The recording is checked once it is on the disk, not while it still sits
// in the stream's buffer.
TEST(Replay, ARecordingThatCannotBeWrittenIsNotSaved) {
    ReplayLog log;
    log.PutDelay(13);
    EXPECT_FALSE(log.Save("/dev/full"));
    EXPECT_FALSE(log.Save("/nonexistent-folder/run.rec"));
}

namespace {

// One record of each kind a run writes, with how the game asks for it back
// and what it is called when a recording stops inside it.
struct RecordKind {
    const char* asked;   // "the game asked for ... after the recording ended"
    const char* inside;  // "the recording ends in the middle of ..."
    std::function<void(ReplayLog&)> put;
    std::function<void(ReplayLog&)> take;
};

std::vector<RecordKind> OneRunOfEveryKind() {
    static Uint8 keys[SDLK_LAST] = {};
    keys[SDLK_UP] = 1;
    keys[SDLK_g] = 1;
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_UP;
    SDL_Event button = {};
    button.type = SDL_JOYBUTTONDOWN;
    button.jbutton.button = 3;
    static JoystickState stick;
    stick = {};
    stick.up = 1;
    stick.fire = 1;
    return {
        {"the clock", "a clock reading", [](ReplayLog& log) { log.PutTicks(300000); },
         [](ReplayLog& log) { EXPECT_EQ(log.TakeTicks(), 300000u); }},
        {"a delay", "a delay", [](ReplayLog& log) { log.PutDelay(13); },
         [](ReplayLog& log) { log.TakeDelay(); }},
        {"an event", "an event", [key](ReplayLog& log) { log.PutEvent(&key); },
         [](ReplayLog& log) {
             SDL_Event taken = {};
             EXPECT_TRUE(log.TakeEvent(&taken));
             EXPECT_EQ(taken.key.keysym.sym, SDLK_UP);
         }},
        {"an event", "an event", [](ReplayLog& log) { log.PutEvent(nullptr); },
         [](ReplayLog& log) { EXPECT_FALSE(log.TakeEvent(nullptr)); }},
        {"an event", "an event", [button](ReplayLog& log) { log.PutEvent(&button); },
         [](ReplayLog& log) {
             SDL_Event taken = {};
             EXPECT_TRUE(log.TakeEvent(&taken));
             EXPECT_EQ(taken.jbutton.button, 3);
         }},
        {"the key state", "a key state", [](ReplayLog& log) { log.PutKeys(keys); },
         [](ReplayLog& log) {
             const Uint8* taken = log.TakeKeys();
             EXPECT_EQ(taken[SDLK_UP], 1);
             EXPECT_EQ(taken[SDLK_g], 1);
         }},
        {"the stick", "a stick state", [](ReplayLog& log) { log.PutJoystick(stick); },
         [](ReplayLog& log) {
             JoystickState taken = {};
             log.TakeJoystick(&taken);
             EXPECT_EQ(taken.up, 1);
             EXPECT_EQ(taken.fire, 1);
         }},
    };
}

}  // namespace

// A recording cut at any byte stops the replay with a message that says
// where, and reads nothing past what was loaded (the sanitizer build and
// valgrind watch that; the loaded bytes have no slack behind them).
TEST(Replay, ARecordingCutAtEveryLengthStopsAtTheCutWithoutReadingPastIt) {
    const std::vector<RecordKind> records = OneRunOfEveryKind();
    ReplayLog written;
    std::vector<size_t> ends;
    for (const RecordKind& record : records) {
        record.put(written);
        ends.push_back(written.Size());
    }
    const TempFile whole("whole.rec");
    ASSERT_TRUE(written.Save(whole.path));
    std::ifstream in(whole.path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t header = std::strlen(ReplayLog::Header);
    ASSERT_EQ(bytes.size(), header + written.Size());

    const auto replay = [&records](const std::string& path) {
        ReplayLog log;
        ASSERT_TRUE(log.Load(path));
        for (const RecordKind& record : records) {
            record.take(log);
        }
    };
    replay(whole.path);

    const TempFile cut("cut.rec");
    for (size_t length = 0; length < written.Size(); ++length) {
        std::ofstream(cut.path, std::ios::binary) << bytes.substr(0, header + length);
        size_t stopsIn = 0;
        while (ends[stopsIn] <= length) {
            ++stopsIn;
        }
        const size_t starts = stopsIn == 0 ? 0 : ends[stopsIn - 1];
        const RecordKind& record = records[stopsIn];
        const std::string message =
            length == starts
                ? std::string("the game asked for ") + record.asked + " after the recording ended"
                : std::string("the recording ends in the middle of ") + record.inside;
        SCOPED_TRACE("cut after " + std::to_string(length) + " bytes");
        EXPECT_EXIT(replay(cut.path), testing::ExitedWithCode(1), "replay: " + message);
    }
}
