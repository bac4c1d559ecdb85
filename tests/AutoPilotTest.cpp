// SPDX-License-Identifier: MIT
#include "tools/sim/AutoPilot.h"

#include <cmath>

#include "app/EndScreens.h"
#include "tests/TestSupport.h"
#include "tools/sim/Pilots.h"

namespace {

// The points of every kill in the trace ("kill slot 76 DarkAvionDuo: 25 points, total 25").
int SumOfKillPoints(const std::vector<std::string>& trace) {
    int sum = 0;
    for (const std::string& line : trace) {
        const size_t kill = line.find("kill slot ");
        const size_t colon = line.find(": ", kill);
        if (kill != std::string::npos && colon != std::string::npos) {
            sum += std::stoi(line.substr(colon + 2));
        }
    }
    return sum;
}

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
// reached, or passed, a moment of play.
int FirstFrameReaching(int ms) {
    return (ms + 12) / 13 + 2;
}
int FirstFramePast(int ms) {
    return ms / 13 + 1 + 2;
}

}  // namespace

TEST(AutoPilot, WinsAWholePlayThroughOnTheGamesOwnTimeline) {
    const SimResult won = PlayWithTheAutoPilot(40000);
    ASSERT_EQ(won.plays.size(), 1u);
    const PlayResult& play = won.plays[0];
    EXPECT_EQ(play.ending, PlayEnding::Victory);
    EXPECT_GT(play.lives, 0);
    EXPECT_EQ(play.screensShown,
              (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
    EXPECT_EQ(CountLines(won.trace, "kill slot 501 Xantum"), 1);
    EXPECT_EQ(play.score, SumOfKillPoints(won.trace));
    const std::string rank = std::string("summary shows RANK ") + RankLetter(play.score);
    EXPECT_EQ(CountLines(won.trace, rank), 1) << rank;

    // Enemies enter 4.5 s after their scheduled time (the schedule counts
    // from 6 s after loading, play from the end of the 1.5 s lead-in).
    EXPECT_EQ(FrameOf(won.trace, "boss RadioZonde arrives"), FirstFrameReaching(36750 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Metroid arrives"), FirstFrameReaching(102250 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Fee arrives"), FirstFrameReaching(178750 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "boss Xantum arrives"), FirstFrameReaching(227000 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "enters slot 0 Piaf"), FirstFrameReaching(250 + 4500));
    EXPECT_EQ(FrameOf(won.trace, "enters slot 499 DarkMetroid"), FirstFrameReaching(174750 + 4500));
    // The sceneries change with the first frame past their time.
    EXPECT_EQ(FrameOf(won.trace, "background Pluie1"), FirstFramePast(35000));
    EXPECT_EQ(FrameOf(won.trace, "background Indust"), FirstFramePast(61250));
    EXPECT_EQ(FrameOf(won.trace, "background Lave"), FirstFramePast(140000));
    EXPECT_EQ(FrameOf(won.trace, "background Glace"), FirstFramePast(227500));
    EXPECT_EQ(CountLines(won.trace, "background Pluie1"), 3);

    // Nothing in the game or the pilot depends on anything but what it saw:
    // a second run takes the same course, line for line.
    const int checkedFrames = 3000;
    const std::vector<std::string> before = LinesBefore(won, checkedFrames);
    EXPECT_GT(before.size(), 500u);
    EXPECT_EQ(LinesBefore(PlayWithTheAutoPilot(checkedFrames), checkedFrames), before);
}

// The pilot's idea of how the ship flies and when its gun slows it must be
// the ship's own, walls included.
TEST(AutoPilot, FliesAndFiresExactlyAsTheRealShip) {
    TestScreen display;
    VirtualPlatform clock{1000};
    clock.Install();
    const std::unique_ptr<Hero> ship = MakeShip(display.screen, 150, 430);
    Hero& hero = *ship;
    const struct {
        Heading heading;
        int frames;
    } legs[] = {{{-1, 0}, 10}, {{0, 1}, 12}, {{1, -1}, 20},
                {{1, 0}, 16},  {{-1, 1}, 6}, {{0, -1}, 8}};
    // Short enough that no shot has climbed off the screen yet.
    const int total = 72;
    const std::vector<int> steps = GunCadence().Steps(clock.Now(), 13, total, true);
    ShipSpot predicted{150, 430};
    int frame = 0;
    for (const auto& leg : legs) {
        for (int i = 0; i < leg.frames; ++i, ++frame) {
            Uint8 keys[SDLK_LAST] = {};
            JoystickState stick = {0, 0, 0, 0, 0};
            keys[SDLK_LEFT] = leg.heading.dx < 0;
            keys[SDLK_RIGHT] = leg.heading.dx > 0;
            keys[SDLK_UP] = leg.heading.dy < 0;
            keys[SDLK_DOWN] = leg.heading.dy > 0;
            keys[SDLK_g] = steps[frame] == ShipRules::StepFiring;
            const int shotsBefore = hero.Shots().LiveCount();
            hero.Fire(keys, &stick);
            hero.Move(keys, &stick);
            hero.Update();
            clock.Advance(13);

            predicted = FlyOneFrame(predicted, leg.heading, steps[frame]);
            ASSERT_EQ(hero.GetRect().x, predicted.x) << "frame " << frame;
            ASSERT_EQ(hero.GetRect().y, predicted.y) << "frame " << frame;
            // Fire is held only when a shot leaves.
            ASSERT_EQ(hero.Shots().LiveCount() - shotsBefore, keys[SDLK_g] ? 1 : 0)
                << "frame " << frame;
        }
    }
    ASSERT_EQ(frame, total);
}

// A wall of shots falls on the ship with one gap in it, away from where the
// ship would like to stay: the ship must find the gap and never be hit.
TEST(AutoPilot, FindsTheGapInAFallingCurtainOfShots) {
    std::vector<Threat> curtain;
    for (int x = 150; x <= 490; x += 12) {
        if (x < 266 || x > 314) {
            // A 16 x 16 shot as the bosses fire them, falling 2 pixels a frame.
            curtain.push_back({static_cast<float>(x), 300, 0, 2, 7, 7, true});
        }
    }
    Outlook outlook;
    outlook.ship = {200, 410};
    outlook.steps.assign(ManoeuvrePlanner::Horizon, ShipRules::Step);
    outlook.station = {218, 0, 426};
    ManoeuvrePlanner planner;
    for (int frame = 1; frame <= 150; ++frame) {
        const ManoeuvrePlanner::Choice choice = planner.Choose(outlook, curtain);
        outlook.ship = FlyOneFrame(outlook.ship, choice.heading, ShipRules::Step);
        for (Threat& shot : curtain) {
            shot.x = shot.XAt(1);
            shot.y = shot.YAt(1);
            // The game's own test: the ship's centre strictly inside the reach.
            const bool hit = std::fabs(ShipCentreX(outlook.ship) - shot.x) < shot.reachX &&
                             std::fabs(ShipCentreY(outlook.ship) - shot.y) < shot.reachY;
            ASSERT_FALSE(hit) << "frame " << frame << ": ship at (" << outlook.ship.x << ", "
                              << outlook.ship.y << ")";
        }
    }
}

TEST(AutoPilot, ReadsTheMotionOfARayThroughItsRounding) {
    MotionTrack track;
    // A shot flying out at 30 degrees, 2 pixels a frame, its position cut
    // to whole pixels every frame.
    const double radians = 30 * 3.141592654 / 180;
    for (int frame = 1; frame <= 12; ++frame) {
        const double radius = 2.0 * (frame - 1);
        track.See(frame, 300 + static_cast<int>(radius * std::cos(radians)),
                  200 + static_cast<int>(radius * std::sin(radians)));
    }
    ASSERT_TRUE(track.MotionKnown());
    EXPECT_NEAR(track.Vx(), 1.732, 0.1);
    EXPECT_NEAR(track.Vy(), 1.0, 0.1);

    // The slot now holds a new shot far away: its motion is not known yet.
    track.See(13, 200, 100);
    EXPECT_FALSE(track.MotionKnown());
    // Nor after a frame in which the slot was empty.
    track.See(15, 202, 100);
    EXPECT_FALSE(track.MotionKnown());
}

TEST(AutoPilot, AimsAtTheFinalBossBeforeAnythingElse) {
    const EnemySighting boss{501, MakeRect(207, 0, 225, 239), 80, 80, 0, 0, false};
    const EnemySighting plane{90, MakeRect(140, 100, 92, 124), 40, 25, 0, 4, false};
    TargetPicker picker;
    const Station station = picker.Choose({150, 420}, {plane, boss});
    EXPECT_EQ(picker.TargetSlot(), 501);
    EXPECT_NEAR(station.aimX, 207 + 112 + 1, 0.5);  // shots leave a pixel left of the centre
}
