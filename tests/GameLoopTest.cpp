// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/PlayThrough.h"
#include "tests/CallLog.h"
#include "tests/LoopHarness.h"

// The background first, then the ship's tests against each enemy's shots,
// the ship's shots against each enemy, the ship, the enemies in slot order
// (over the ship), the HUD over everything, the flip. An ESC ends play from
// the second frame on, before anything is drawn, without an end screen; the
// window's quit request is ignored.
TEST_F(LoopTest, EachFrameRunsItsStepsInOrder) {
    Put(7, new Probe("A", AwayFromTheShip(0)));
    Put(3, new Probe("B", AwayFromTheShip(1)));
    clock.SetKey(SDLK_g, true);
    clock.PushKeyDown(SDLK_ESCAPE);  // seen by the first frame
    onFrame = [this](const PlayView&) { clock.PushQuit(); };
    lastFrame = 2;
    CallLog log(CallLog::Blits | CallLog::Flips);
    RunGame();
    EXPECT_EQ(ending, PlayEnding::Quit);
    EXPECT_TRUE(screens.empty());
    EXPECT_EQ(FrameLines(log.lines, 3), std::vector<std::string>{});
    const std::vector<std::string> steps = {"background", "shots B", "shots A",  "hits B",
                                            "hits A",     "ship",    "update B", "update A",
                                            "frame",      "gauge",   "flip"};
    EXPECT_EQ(Steps(log.lines, 1), steps);
    EXPECT_EQ(Steps(log.lines, 2), steps);
}

// The pacer reads the clock after the frame's work: a frame that works 5 ms
// lasts 13, one that works 20 ms overruns and does not sleep. (The first
// frame always overruns: the pacer was set before the lead-in.)
TEST_F(LoopTest, FramesArePacedFromTheClockAfterTheirWork) {
    for (Uint32 work : {5, 20}) {
        SCOPED_TRACE(work);
        clock.ChargeWork(work);
        std::vector<Uint32> sleeps;
        clock.OnDelay([&](Uint32 ms) { sleeps.push_back(ms); });
        CallLog log(CallLog::Flips);
        RunGame();
        std::vector<Uint32> gaps;
        for (size_t flip = 2; flip < log.lines.size(); ++flip) {
            gaps.push_back(std::stoul(log.lines[flip].substr(5)) -
                           std::stoul(log.lines[flip - 1].substr(5)));
        }
        EXPECT_EQ(gaps, (std::vector<Uint32>{work, std::max(work, 13u)}));
        const std::vector<Uint32> paced = {1000, 500, 13 - work, 13 - work, 1000, 1000};
        const std::vector<Uint32> unpaced = {1000, 500, 1000, 1000};
        EXPECT_EQ(sleeps, work < 13 ? paced : unpaced);
    }
}

// The ship is tested against the enemies in slot order, and the pass stops
// at the first hit; its own shots are still tested against every enemy.
TEST_F(LoopTest, HitsOnTheShipFollowTheirRules) {
    struct Case {
        const char* what;
        bool shotOnShip, bodyOnShip, destroyed, appeared;
        bool secondOnShip;  // B's body
        bool shipHit;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"a shot ends the pass", 1, 0, 0, 1, 1, 1, {"shots A", "hits A", "hits B"}},
        {"a body ends the pass", 0, 1, 0, 1, 1, 1, {"shots A", "hits A", "hits B"}},
        {"the destroyed still shoot", 1, 0, 1, 1, 0, 1, {"shots A", "hits A", "hits B"}},
        {"the destroyed do not ram", 0, 1, 1, 1, 0, 0, {"shots A", "shots B", "hits A", "hits B"}},
        {"nothing before its time", 1, 1, 0, 0, 0, 0, {"shots B", "hits B"}},
        {"the second body hits", 0, 0, 0, 1, 1, 1, {"shots A", "shots B", "hits A", "hits B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Probe* a = Put(0, new Probe("A", c.bodyOnShip ? OnTheShip() : AwayFromTheShip(),
                                    c.appeared ? 0 : 0x7FFFFFFF));
        a->destroyed = c.destroyed;
        if (c.shotOnShip) {
            a->shot = shots.Still(ShipCentreX, ShipCentreY);
        }
        Put(1, new Probe("B", c.secondOnShip ? OnTheShip() : AwayFromTheShip(1)));
        lastFrame = 1;
        bool hit = false;
        onFrame = [&](const PlayView& view) { hit = view.hero->IsInvulnerable(); };
        CallLog log(0);
        RunGame();
        std::vector<std::string> asked = log.Starting("shots");
        for (const std::string& line : log.Starting("hits")) {
            asked.push_back(line);
        }
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(hit, c.shipHit);
    }
}

// A hit takes the ship's shot out of play at once; only a hit that destroys
// the enemy adds its points.
TEST_F(LoopTest, AHitRemovesTheShipsShotAndOnlyAKillScores) {
    Probe* tough = Put(0, new Probe("tough", AwayFromTheShip(0)));
    tough->hitAtCall = 3;
    Probe* frail = Put(1, new Probe("frail", AwayFromTheShip(1)));
    frail->hitAtCall = 8;
    frail->diesOfHit = true;
    clock.SetKey(SDLK_g, true);
    lastFrame = 9;
    std::vector<int> score(lastFrame + 1, -1);
    std::vector<int> shipShots(lastFrame + 1, -1);
    onFrame = [&](const PlayView& view) {
        score[view.frame] = view.totalScore;
        shipShots[view.frame] = view.hero->Shots().LiveCount();
    };
    CallLog log(CallLog::Sounds);
    RunGame();
    // Each shot's sound plays once, to its end.
    EXPECT_EQ(log.Starting("sound"),
              std::vector<std::string>(2, "sound Sound/Shot4.wav channel 1 loops 0 ticks -1"));
    EXPECT_EQ(shipShots, (std::vector<int>{-1, 1, 1, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(score, (std::vector<int>{-1, 0, 0, 0, 0, 0, 0, 0, 7, 7}));
}

TEST_F(LoopTest, TheFinalBossFinishingWinsEvenInTheFrameTheLastLifeGoes) {
    Put(0, Gunner());
    Probe* boss = Put(FinalBossSlot, new Probe("boss", AwayFromTheShip(1)));
    boss->finished = [this] { return hero->IsOutOfLives(); };
    lastFrame = 5000;
    int framesOutOfLives = 0;
    onFrame = [&](const PlayView& view) { framesOutOfLives += view.hero->IsOutOfLives(); };
    RunGame();
    EXPECT_EQ(framesOutOfLives, 1);
    EXPECT_EQ(ending, PlayEnding::Victory);
    EXPECT_EQ(screens, (std::vector<EndScreen>{EndScreen::Newspaper, EndScreen::Summary}));
}

// The ship the play-through builds: 36 x 33 at (306, 420) with 60 shot
// slots, a full gauge on the first frame and six lives, each lost in an
// explosion of 64 x 64 cells 0 to 14 centred on the ship, a cell changing in
// the first frame more than 20 ms after the last change. From each hit on,
// frames last 21 and 20 ms in turn: the first cell shows for one frame,
// every later one for two.
TEST_F(LoopTest, ThePlayThroughsShipHasItsOwnNumbers) {
    Put(0, Gunner());
    lastFrame = 5000;
    Box start = {};
    int slots = 0, exploding = 0;
    onFrame = [&](const PlayView& view) {
        if (view.frame == 1) {
            start = BoxOf(view.hero->GetRect());
            slots = view.hero->GetShotSlotCount();
        }
        const bool hit = view.hero->GetState() == HeroState::Exploding;
        exploding = hit ? exploding + 1 : 0;
        clock.Advance(hit ? 20 + exploding % 2 : 0);
    };
    CallLog log(CallLog::Blits | CallLog::Flips);
    RunGame();
    EXPECT_EQ(ending, PlayEnding::GameOver);
    EXPECT_EQ(start, (Box{306, 420, 36, 33}));
    EXPECT_EQ(slots, 60);
    std::vector<std::string> gauges;
    std::vector<std::vector<int>> explosions;
    std::vector<int> places;
    bool before = false, now = false;  // the last frame and this one drew an explosion
    for (const std::string& line : log.lines) {
        int x = 0, y = 0, cellX = 0;
        char gauge = 0;
        if (std::sscanf(line.c_str(), "blit ./Images/Jauge/P%c.png", &gauge) == 1 &&
            (gauges.empty() || gauges.back() != std::string(1, gauge))) {
            gauges.emplace_back(1, gauge);
        } else if (std::sscanf(line.c_str(),
                               "blit ./Images/Heros/Heros_Explosion.png %d,%d from %d", &x, &y,
                               &cellX) == 3) {
            if (!before) {
                explosions.emplace_back();
                places.insert(places.end(), {x, y});
            }
            explosions.back().push_back(cellX / 64);
            now = true;
        } else if (line.rfind("flip", 0) == 0) {
            before = std::exchange(now, false);
        }
    }
    EXPECT_EQ(gauges, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    std::vector<int> cells = {0};
    for (int cell = 1; cell <= 14; ++cell) {
        cells.insert(cells.end(), {cell, cell});
    }
    EXPECT_EQ(explosions, std::vector<std::vector<int>>(6, cells));
    ASSERT_GE(places.size(), 2u);
    EXPECT_EQ(places[0], 306 + 18 - 32);
    EXPECT_EQ(places[1], 420 + 16 - 32);
}

// From the frame in which the last life goes: a 1000 ms pause, the music's
// 1000 ms fade begun with a 1000 ms pause, the game-over picture until
// RETURN, then 1000 ms before the title screen.
TEST_F(LoopTest, TheLastLifeEndsPlayWithItsPausesAndTheGameOverScreen) {
    Put(0, Gunner());
    lastFrame = 5000;
    int framesOutOfLives = 0;
    onFrame = [&](const PlayView& view) { framesOutOfLives += view.hero->IsOutOfLives(); };
    CallLog log(CallLog::Music);
    RunGame();
    EXPECT_EQ(framesOutOfLives, 1);
    EXPECT_EQ(ending, PlayEnding::GameOver);
    EXPECT_EQ(screens, std::vector<EndScreen>{EndScreen::GameOver});
    const Uint32 pacedEnd = lastFrameStart + 13;
    ASSERT_FALSE(log.Starting("fade").empty());
    EXPECT_EQ(log.Starting("fade").back(), "fade 1000 " + std::to_string(pacedEnd + 1000));
    EXPECT_EQ(screenShownAt[EndScreen::GameOver], pacedEnd + 2000);
    EXPECT_EQ(clock.Now(), pacedEnd + 3000);
}

// The loading picture until the lead-in ends; the opening track once, 1000 ms
// into the lead-in; the following track whenever nothing plays; the fade as
// play ends; the newspaper 1000 ms later, the summary 3000 ms after it, and
// 1000 ms before the title screen.
TEST_F(LoopTest, VictoryRunsItsScreensToTheMusicsTimetable) {
    Probe* boss = Put(FinalBossSlot, new Probe("boss", AwayFromTheShip()));
    boss->finished = [&] { return boss->calls == 4; };
    lastFrame = 10;
    CallLog log(CallLog::Blits | CallLog::Flips | CallLog::Music);
    log.musicPlaying = 0;
    RunGame();
    ASSERT_GE(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[0], "blit ./Images/Panorama/Loading.png 0,0");
    const Uint32 loaded = std::stoul(log.lines[1].substr(5));
    EXPECT_EQ(log.lines[1], "flip " + std::to_string(loaded));
    EXPECT_EQ(log.lines[2], "music Sound/Good_Bye.ogg loops 0 " + std::to_string(loaded + 1000));
    EXPECT_EQ(log.lines[3], "blit ./Images/Panorama/Nuages1.png 138,-906");
    // Enemies are timed from 6 s after the loading picture: the first Piaf
    // enters 4750 ms into play.
    EXPECT_EQ(firstPiafAppears, static_cast<int>(loaded + 6000 + 250));
    // One following track a frame while nothing plays.
    EXPECT_EQ(log.Starting("music Sound/Boss.ogg loops 0 ").size(), 4u);
    EXPECT_EQ(ending, PlayEnding::Victory);
    const Uint32 pacedEnd = lastFrameStart + 13;
    EXPECT_EQ(log.Starting("fade"),
              std::vector<std::string>{"fade 1000 " + std::to_string(pacedEnd)});
    EXPECT_EQ(screenShownAt[EndScreen::Newspaper], pacedEnd + 1000);
    EXPECT_EQ(screenShownAt[EndScreen::Summary], pacedEnd + 4000);
    EXPECT_EQ(clock.Now(), pacedEnd + 5000);
}

// The scenery the timetable picks from the time since play began; each
// keeps its place while another is shown (Pluie1 comes back three times).
TEST_F(LoopTest, TheBackgroundsFollowTheTimetableFromTheStartOfPlay) {
    const struct {
        Uint32 elapsed;
        const char* drawn;
    } frames[] = {
        {0, "Nuages1.png 138,-906"},           {35000, "Nuages1.png 138,-896"},
        {35001, "Pluie1.png 0,0 from 0,470"},  {61251, "Indust.png 138,-60"},
        {105001, "Pluie1.png 0,0 from 0,460"}, {140001, "Lave.png 0,0 from 0,470"},
        {183751, "Pluie1.png 0,0 from 0,450"}, {227501, "Glace.png 0,0 from 0,470"},
    };
    lastFrame = 8;
    onFrame = [&](const PlayView& view) {
        if (view.frame < lastFrame) {
            clock.Advance(frames[view.frame].elapsed - view.elapsed);
        }
    };
    CallLog log(CallLog::Blits | CallLog::Flips);
    RunGame();
    for (int frame = 1; frame <= lastFrame; ++frame) {
        const std::vector<std::string> lines = FrameLines(log.lines, frame);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], std::string("blit ./Images/Panorama/") + frames[frame - 1].drawn)
            << frames[frame - 1].elapsed;
    }
}
