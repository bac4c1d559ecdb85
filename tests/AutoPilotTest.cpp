// SPDX-License-Identifier: MIT
#include "simulation/AutoPilot.h"

#include <set>

#include "app/EndScreens.h"
#include "simulation/Pilots.h"
#include "tests/CallLog.h"
#include "tests/TestSupport.h"

namespace {

SimResult PlayWithTheAutoPilot(int maxFrames) {
    SimOptions options;
    options.pilot = MakePilot("auto");
    options.keepTrace = true;
    options.maxFrames = maxFrames;
    return Simulation(options).Run();
}

// The trace lines of the frames before the given one.
std::vector<std::string> LinesBefore(const SimResult& run, int frame) {
    std::vector<std::string> lines;
    for (const std::string& line : run.trace) {
        if (std::stoi(line) < frame) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Play's first two frames both run at 0 ms (the pacer's first deadline is
// long past), then each frame is 13 ms: the first frame whose clock has
// reached a moment of play.
int FirstFrameReaching(int ms) {
    return (ms + 12) / 13 + 2;
}

}  // namespace

TEST(AutoPilot, WinsAWholePlayThroughOnTheGamesOwnTimeline) {
    CallLog sounds(CallLog::Sounds);
    const SimResult won = PlayWithTheAutoPilot(40000);
    ASSERT_EQ(won.plays.size(), 1u);
    const PlayResult& play = won.plays[0];
    EXPECT_EQ(play.ending, PlayEnding::Victory);
    EXPECT_GT(play.lives, 0);
    EXPECT_EQ(play.screensShown,
              (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
    EXPECT_EQ(CountLines(won.trace, "kill slot 501 Xantum"), 1);
    const std::string rank = std::string("summary shows RANK ") + RankLetter(play.score);
    EXPECT_EQ(CountLines(won.trace, rank), 1) << rank;

    // Enemies enter 4.5 s after their scheduled time (the schedule counts
    // from 6 s after loading, play from the end of the 1.5 s lead-in).
    EXPECT_EQ(FrameOf(won.trace, "boss RadioZonde arrives"), FirstFrameReaching(36750 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Metroid arrives"), FirstFrameReaching(102250 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Fee arrives"), FirstFrameReaching(178750 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Xantum arrives"), FirstFrameReaching(227000 + 4500));

    // Every effect plays once, to its end, on its kind's channel: the ship's
    // shots, the enemies' shots and explosions, the bosses' arrivals.
    std::set<std::string> channels;
    for (const std::string& line : sounds.lines) {
        const size_t channel = line.find(" channel ");
        channels.insert(line.substr(channel, 10));
        ASSERT_EQ(line.substr(channel + 10), " loops 0 ticks -1") << line;
    }
    EXPECT_EQ(channels,
              (std::set<std::string>{" channel 1", " channel 3", " channel 4", " channel 5"}));

    // Nothing in the game or the pilot depends on anything but what it saw:
    // a second run takes the same course, line for line.
    const int checkedFrames = 3000;
    const std::vector<std::string> before = LinesBefore(won, checkedFrames);
    EXPECT_GT(before.size(), 500u);
    EXPECT_EQ(LinesBefore(PlayWithTheAutoPilot(checkedFrames), checkedFrames), before);
}
