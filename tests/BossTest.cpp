// SPDX-License-Identifier: MIT
// The four bosses: approach, hits and flash, explosion and finish, leaving
// the playfield, the bursts and the attack phases that fire them.
#include <cstdlib>
#include <numeric>

#include "bosses/Fee.h"
#include "bosses/Metroid.h"
#include "bosses/RadioZonde.h"
#include "bosses/Xantum.h"
#include "gfx/Sound.h"
#include "tests/TestSupport.h"

namespace {

// Where the level schedule places each boss, with its hit box halves.
struct Placement {
    int x, y, w, h, halfWidth, halfHeight;
    Boss* (*make)(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight);
};

template <class Kind>
Boss* Build(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight) {
    return new Kind(screen, rect, halfWidth, halfHeight, 0);
}

const Placement RadioZondeAt = {502, -30, 314, 344, 47, 34, Build<RadioZonde>};
const Placement MetroidAt = {56, 120, 82, 89, 30, 30, Build<Metroid>};
const Placement FeeAt = {298, -73, 45, 74, 20, 20, Build<Fee>};
const Placement XantumAt = {502, 0, 225, 239, 80, 80, Build<Xantum>};

class BossTest : public PlayfieldTest {
protected:
    TraceLines trace;

    // A boss at its scheduled place, moved by (dx, dy).
    std::unique_ptr<Boss> Make(const Placement& p, int dx = 0, int dy = 0) {
        const Rect rect = MakeRect(p.x + dx, p.y + dy, p.w, p.h);
        return std::unique_ptr<Boss>(p.make(display.screen, rect, p.halfWidth, p.halfHeight));
    }

    // One frame of play, as the Game runs it.
    bool Step(Boss& boss) {
        const bool keep = boss.Update();
        clock.Advance(13);
        return keep;
    }
    void Run(Boss& boss, int frames) {
        for (int i = 0; i < frames; ++i) {
            ASSERT_TRUE(Step(boss)) << "finished early, frame " << i + 1;
        }
    }

    // Hits the boss at its centre; the hero shot's slot, or -1.
    int Hit(Boss& boss, int damage) { return shots.HitAtCentre(boss, damage); }

    // Empties the slots given, or every slot when none is given.
    static void FreeSlots(Boss& boss, std::vector<int> slots = {}) {
        if (slots.empty()) {
            slots.resize(boss.GetShotSlotCount());
            std::iota(slots.begin(), slots.end(), 0);
        }
        for (int slot : slots) {
            delete boss.GetShots()[slot];
            boss.GetShots()[slot] = nullptr;
        }
    }
    // Fills every free slot with a still shot inside the playfield.
    void FillSlots(Boss& boss) {
        for (int slot = 0; slot < boss.GetShotSlotCount(); ++slot) {
            if (!boss.GetShots()[slot]) {
                boss.GetShots()[slot] = shots.Still(300, 300);
            }
        }
    }
    // The angles of the shots that match, in slot order.
    template <class Match>
    static std::vector<int> AnglesOf(Boss& boss, Match match) {
        std::vector<int> angles;
        for (int slot = 0; slot < boss.GetShotSlotCount(); ++slot) {
            const Shot* shot = boss.GetShots()[slot];
            if (shot && match(*shot)) {
                angles.push_back(shot->Angle());
            }
        }
        return angles;
    }
    // Frames until the explosion that the last hit started is over.
    int ExplosionFrames(Boss& boss) {
        int frames = 0;
        while (boss.ExplosionFrame() < 16 && frames < 1000) {
            EXPECT_TRUE(Step(boss));
            ++frames;
        }
        return frames;
    }
    // Frames after the explosion until the boss reports itself finished.
    int FramesUntilFinished(Boss& boss, int limit = 5000) {
        for (int frames = 1; frames <= limit; ++frames) {
            if (!Step(boss)) {
                return frames;
            }
        }
        return -1;
    }
};

std::vector<int> Ray(int first, int step, int count) {
    std::vector<int> angles;
    for (int k = 0; k < count; ++k) {
        angles.push_back(first + step * k);
    }
    return angles;
}

}  // namespace

// ---- Approach and arrival -------------------------------------------------

// Metroid and Xantum cry out in their first frame, and only then.
TEST_F(BossTest, EachBossFliesInToItsPlaceAndAttacksFromTheFrameAfterItsApproach) {
    ASSERT_TRUE(display.audioOpen);
    struct Case {
        const Placement& boss;
        int approachFrames;
        int endX, endY;
        BossPhase attack;
        int burstKey;
        const char* name;
        const char* phaseLine;
        int cries;
    };
    const Case cases[] = {
        {RadioZondeAt, 56, 166, -30, BossPhase::RadioZondeSpirals, 4, "RadioZonde", "phase 5", 0},
        {MetroidAt, 50, 284, 120, BossPhase::MetroidScatter, 7, "Metroid", "phase 8", 1},
        {FeeAt, 70, 298, 152, BossPhase::FeeFans, 8, "Fee", "phase 9", 0},
        {XantumAt, 80, 207, 0, BossPhase::XantumStars, 16, "Xantum", "phase 17", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        trace.lines.clear();
        const int cries = SoundPlayCount(BossArrivalChannel);
        auto boss = Make(c.boss);
        Step(*boss);
        EXPECT_EQ(SoundPlayCount(BossArrivalChannel) - cries, c.cries);
        Run(*boss, c.approachFrames - 1);
        EXPECT_EQ(BoxOf(boss->GetRect()), (Box{c.endX, c.endY, c.boss.w, c.boss.h}));
        EXPECT_EQ(boss->Phase(), BossPhase::Approach);

        // The frame that starts the attack neither moves nor fires.
        Step(*boss);
        EXPECT_EQ(boss->Phase(), c.attack);
        EXPECT_EQ(boss->PhaseTimer(), 0);
        EXPECT_EQ(boss->SpinAngle(), 0);
        EXPECT_EQ(BoxOf(boss->GetRect()), (Box{c.endX, c.endY, c.boss.w, c.boss.h}));
        EXPECT_EQ(boss->LiveShotCount(), 0);

        Step(*boss);
        EXPECT_EQ(boss->Pattern(), c.burstKey);
        EXPECT_GT(boss->LiveShotCount(), 0);
        const std::string name = c.name;
        EXPECT_EQ(trace.lines, (std::vector<std::string>{"boss " + name + " arrives",
                                                         "boss " + name + " " + c.phaseLine}));
        EXPECT_EQ(SoundPlayCount(BossArrivalChannel) - cries, c.cries);
    }
}

TEST_F(BossTest, AnimationFlipsWhenThePhaseTimerIsAMultipleOfItsPeriodZeroIncluded) {
    auto radioZonde = Make(RadioZondeAt);  // every 4 frames
    auto metroid = Make(MetroidAt);        // every 10 frames
    std::string seen;
    for (int frame = 1; frame <= 12; ++frame) {
        Step(*radioZonde);
        Step(*metroid);
        seen += std::to_string(radioZonde->Frame()) + std::to_string(metroid->Frame()) + " ";
    }
    EXPECT_EQ(seen, "11 11 11 11 01 01 01 01 11 11 10 10 ");
}

// ---- The boss band --------------------------------------------------------

TEST_F(BossTest, TouchingTheBandIsInsideAndOnePixelBeyondIsOutBeforeTheMove) {
    ASSERT_TRUE(display.audioOpen);
    // Each boss is placed one pixel further out than the band allows; its
    // first move would bring it back in, but the rule looks at the box from
    // before the move.
    struct Case {
        const Placement& boss;
        int outX, outY;      // moved one pixel out of the band
        int touchX, touchY;  // moved to touch it
    };
    const Case cases[] = {
        {RadioZondeAt, 1, 0, 0, 0},  // x = 503, x = 502
        {MetroidAt, -1, 0, 0, 0},    // x + w = 137, x + w = 138
        {FeeAt, 0, -2, 0, -1},       // y + h = -1, y + h = 0
        {XantumAt, 0, 641, 0, 640},  // y = 641, y = 640
    };
    for (const Case& c : cases) {
        const int booms = SoundPlayCount(EnemyExplosionChannel);
        auto outsider = Make(c.boss, c.outX, c.outY);
        // Without shots it finishes in the very frame it is found outside,
        // with no explosion and no sound.
        EXPECT_FALSE(Step(*outsider)) << outsider->Name();
        EXPECT_TRUE(outsider->IsDestroyed());
        EXPECT_EQ(outsider->ExplosionFrame(), 16);
        EXPECT_GT(outsider->HitPoints(), 0);
        EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);

        auto toucher = Make(c.boss, c.touchX, c.touchY);
        EXPECT_TRUE(Step(*toucher)) << toucher->Name();
        EXPECT_FALSE(toucher->IsDestroyed());
    }
}

TEST_F(BossTest, RadioZondeLeavesInTheFrameItsAttackEndsAndIsOutAfter58FramesWithoutExplosion) {
    ASSERT_TRUE(display.audioOpen);
    auto boss = Make(RadioZondeAt);
    Run(*boss, 57 + 1200);
    EXPECT_EQ(boss->Phase(), BossPhase::RadioZondeSpirals);
    EXPECT_EQ(boss->GetRect().x, 166);

    Step(*boss);
    EXPECT_EQ(boss->Phase(), BossPhase::Leave);
    EXPECT_EQ(boss->GetRect().x, 160);  // already on its way

    const int booms = SoundPlayCount(EnemyExplosionChannel);
    Run(*boss, 57);
    EXPECT_FALSE(boss->IsDestroyed());
    EXPECT_EQ(boss->GetRect().x + 314, 132);  // right edge past the band's left

    Step(*boss);  // the 59th frame of leaving finds it outside
    EXPECT_TRUE(boss->IsDestroyed());
    EXPECT_EQ(boss->HitPoints(), 180);
    EXPECT_EQ(boss->ExplosionFrame(), 16);
    EXPECT_EQ(Hit(*boss, 1), -1);

    // Its spirals are still winding: it stays, invisible, until they are gone.
    ASSERT_GT(boss->LiveShotCount(), 0);
    const int frames = FramesUntilFinished(*boss);
    EXPECT_GT(frames, 1);
    EXPECT_EQ(boss->LiveShotCount(), 0);
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);
    EXPECT_EQ(CountLines(trace.lines, "boss RadioZonde phase 21"), 1);
    EXPECT_EQ(CountLines(trace.lines, "boss RadioZonde left the playfield"), 1);
}

TEST_F(BossTest, FeeStopsAndStaysOnceItsShortLeaveHasRun) {
    auto boss = Make(FeeAt);
    boss->GetShots()[1999] = shots.Still(300, 300);  // keeps it in play
    Run(*boss, 71 + 2200 + 100);
    EXPECT_EQ(boss->Phase(), BossPhase::Leave);
    EXPECT_EQ(boss->PhaseTimer(), 100);
    EXPECT_EQ(boss->GetRect().x, 298 + 5 * 100);
    EXPECT_TRUE(boss->IsDestroyed());  // out since its 42nd frame of leaving
    Step(*boss);
    EXPECT_EQ(boss->GetRect().x, 298 + 5 * 100);
    EXPECT_EQ(boss->PhaseTimer(), 100);
}

// ---- Hits, flash, explosion and finish ------------------------------------

TEST_F(BossTest, AHitFlashesForOneFrameAndTheKillingHitExplodesInstead) {
    ASSERT_TRUE(display.audioOpen);
    SDL_Surface* screen = display.screen;
    SurfacePtr reference(SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, screen->format->Rmask,
                                              screen->format->Gmask, screen->format->Bmask, 0));
    SurfacePtr body = LoadKeyedImage("./Images/Ennemis/Xantum/Xantum1.png", 0, 0, 0);
    SurfacePtr flash = LoadKeyedImage("./Images/Ennemis/Xantum/Xantum_Flash.png", 0, 0, 255);
    auto boss = Make(XantumAt);
    Trace::SetSubject(501);
    // Draws one frame on a black screen; true when it shows the picture.
    auto shows = [&](SDL_Surface* picture) {
        SDL_FillRect(screen, nullptr, 0);
        Step(*boss);
        SDL_FillRect(reference.get(), nullptr, 0);
        if (picture) {
            DrawSurface(picture, reference.get(), boss->GetRect());
        }
        return SamePixels(screen, reference.get());
    };

    EXPECT_TRUE(shows(body.get()));  // its first frame flips to image 1
    EXPECT_EQ(Hit(*boss, 1), 1);
    EXPECT_EQ(boss->State(), EnemyState::Hit);
    EXPECT_TRUE(shows(flash.get()));
    EXPECT_EQ(boss->State(), EnemyState::Normal);
    EXPECT_EQ(Hit(*boss, 2), 1);  // a second hit in the next frame flashes again
    EXPECT_TRUE(shows(flash.get()));
    EXPECT_TRUE(shows(body.get()));
    EXPECT_EQ(boss->HitPoints(), 2000 - 3);

    const int booms = SoundPlayCount(EnemyExplosionChannel);
    EXPECT_EQ(Hit(*boss, 1997), 1);
    EXPECT_EQ(boss->State(), EnemyState::Destroyed);
    EXPECT_EQ(Hit(*boss, 1), -1);  // no damage and the hero keeps its shot
    EXPECT_EQ(boss->HitPoints(), 0);
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);  // not before its frame

    EXPECT_TRUE(shows(nullptr));  // no flash, no body, no cell yet
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms + 1);
    EXPECT_FALSE(shows(nullptr));  // the first cell of the strip
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms + 1);

    EXPECT_EQ(CountLines(trace.lines, "hit slot 501, 1999 hit points left"), 1);
    EXPECT_EQ(CountLines(trace.lines, "hit slot 501, 0 hit points left"), 1);
    EXPECT_EQ(trace.lines.back(), "boss Xantum destroyed");
}

TEST_F(BossTest, XantumFinishesOnThe36thFrameAfterItsExplosionAndItsShotsGoWithIt) {
    auto boss = Make(XantumAt);
    Run(*boss, 81 + 20);  // four bursts of stars
    ASSERT_GT(boss->LiveShotCount(), 0);
    Hit(*boss, 2000);
    EXPECT_EQ(ExplosionFrames(*boss), 1 + 15 * 5);
    EXPECT_EQ(FramesUntilFinished(*boss), 36);
    EXPECT_GT(boss->LiveShotCount(), 0);
}

TEST_F(BossTest, TheOtherBossesWaitAtLeast36FramesAndThenForTheirLastShot) {
    auto bare = Make(MetroidAt);
    Step(*bare);
    Hit(*bare, 500);
    ExplosionFrames(*bare);
    EXPECT_EQ(FramesUntilFinished(*bare), 36);

    auto boss = Make(FeeAt);
    Run(*boss, 71 + 30);
    Hit(*boss, 10000);
    ExplosionFrames(*boss);
    // Destroyed, it no longer fires, but its shots fly on.
    ASSERT_GT(boss->LiveShotCount(), 0);
    int frames = 0;
    int liveAtCheck = 0;
    bool keep = true;
    while (keep && frames < 5000) {
        liveAtCheck = boss->LiveShotCount();  // nothing fires before the check
        keep = Step(*boss);
        ++frames;
        // Until the frame after the last shot left, it stays.
        EXPECT_EQ(keep, frames < 36 || liveAtCheck > 0) << "frame " << frames;
    }
    EXPECT_FALSE(keep);
    EXPECT_GT(frames, 36);
    EXPECT_EQ(liveAtCheck, 0);
}

// ---- Bursts ---------------------------------------------------------------

TEST_F(BossTest, ABurstTakesTheLowestFreeSlotsAndIsHeardOnlyWhenComplete) {
    ASSERT_TRUE(display.audioOpen);
    auto boss = Make(RadioZondeAt);
    int sounds = SoundPlayCount(EnemyShotChannel);
    boss->FireBurst();  // before its attack it has no burst to fire
    EXPECT_EQ(boss->LiveShotCount(), 0);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds);

    Run(*boss, 58);  // the first burst has flown at 0; the spin is now 4
    FreeSlots(*boss);
    const Rect at = boss->GetRect();
    sounds = SoundPlayCount(EnemyShotChannel);
    boss->FireBurst();
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds + 1);
    EXPECT_EQ(AnglesOf(*boss, [](const Shot&) { return true; }), Ray(4, 30, 12));
    EXPECT_NE(boss->GetShots()[11], nullptr);
    EXPECT_EQ(boss->GetShots()[12], nullptr);
    EXPECT_EQ(BoxOf(boss->GetShots()[0]->GetRect()), (Box{at.x + 149, at.y + 164, 16, 16}));

    // With every slot in use, nothing is created and nothing is heard.
    FillSlots(*boss);
    std::vector<Shot*> before(boss->GetShots(), boss->GetShots() + 2000);
    sounds = SoundPlayCount(EnemyShotChannel);
    boss->FireBurst();
    EXPECT_EQ(std::vector<Shot*>(boss->GetShots(), boss->GetShots() + 2000), before);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds);

    // Three scattered free slots take shots 0, 1 and 2; still no sound.
    FreeSlots(*boss, {3, 7, 1500});
    boss->FireBurst();
    Shot** slots = boss->GetShots();
    EXPECT_EQ((std::vector<int>{slots[3]->Angle(), slots[7]->Angle(), slots[1500]->Angle()}),
              Ray(4, 30, 3));
    EXPECT_EQ(boss->LiveShotCount(), 2000);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds);
    EXPECT_EQ(CountLines(trace.lines, "boss RadioZonde burst cut short: 0 of 12 shots"), 1);
    EXPECT_EQ(CountLines(trace.lines, "boss RadioZonde burst cut short: 3 of 12 shots"), 1);
}

TEST_F(BossTest, MetroidDrawsItsDelayFirstThenOneAngleForEachShotThatFindsASlot) {
    auto boss = Make(MetroidAt);
    Run(*boss, 52);
    FreeSlots(*boss);
    // The generator is seeded so that the test knows the numbers drawn.
    const unsigned seed = 1234;
    std::srand(seed);
    std::vector<int> drawn;
    for (int i = 0; i < 14; ++i) {
        drawn.push_back(std::rand());
    }

    std::srand(seed);
    boss->FireBurst();
    std::vector<int> angles;
    for (int k = 0; k < 12; ++k) {
        angles.push_back(drawn[1 + k] % 360);
    }
    EXPECT_EQ(AnglesOf(*boss, [](const Shot&) { return true; }), angles);
    EXPECT_EQ(std::rand(), drawn[13]);  // 13 numbers for a whole burst

    FillSlots(*boss);
    FreeSlots(*boss, {100, 200, 300});
    std::srand(seed);
    boss->FireBurst();
    EXPECT_EQ(std::rand(), drawn[4]);  // a burst cut after 3 shots draws 4
}

TEST_F(BossTest, FeeReleaseFramesRunFrom20To74AndStartAgain) {
    auto boss = Make(FeeAt);
    Run(*boss, 71);
    EXPECT_EQ(boss->BurstCycle(), 20);
    Step(*boss);  // the phase fires the first burst
    for (int burst = 1; burst <= 56; ++burst) {
        if (burst > 1) {
            FreeSlots(*boss);
            boss->FireBurst();
        }
        // The shot flies 2 pixels a frame until its release frame, then
        // pauses for 101 frames: after 100 frames its radius tells.
        std::unique_ptr<Shot> shot(boss->GetShots()[0]);  // flown alone
        boss->GetShots()[0] = nullptr;
        while (shot->Timer() < 100) {
            bool alive = true;
            shot->Update(&alive);
        }
        EXPECT_EQ(shot->Radius() / 2, 20 + (burst - 1) % 55) << "burst " << burst;
    }
    EXPECT_EQ(boss->BurstCycle(), 21);
}

TEST_F(BossTest, FeeTurnsEachFanBy29AndReflectsPast359) {
    auto boss = Make(FeeAt);
    Run(*boss, 71);
    // The fans fly at 0, 29, ... 348, 377, then at -17 + 29 = 12, not 46,
    // and on to 360, which still counts as past 359: the next flies at 29.
    std::vector<int> expected = Ray(0, 29, 14);
    for (int angle : Ray(12, 29, 13)) {
        expected.push_back(angle);
    }
    expected.push_back(29);
    for (size_t burst = 0; burst < expected.size(); ++burst) {
        Run(*boss, 1);
        const std::vector<int> fan =
            AnglesOf(*boss, [](const Shot& shot) { return shot.Timer() == 1; });
        ASSERT_EQ(fan, Ray(expected[burst], 30, 12)) << "burst " << burst + 1;
        Run(*boss, 4);
    }
    EXPECT_EQ(boss->SpinAngle(), 29 + 29);
}

TEST_F(BossTest, XantumAlternatesStarsAndRingsForEverWithTheSpinResetAtEachSwitch) {
    auto boss = Make(XantumAt);
    Run(*boss, 81);
    ASSERT_EQ(boss->Phase(), BossPhase::XantumStars);
    auto newStars = [](const Shot& shot) { return shot.Timer() == 1; };
    auto newRings = [](const Shot& shot) { return shot.Radius() == 2; };

    // The spin turns before the burst: the first star flies at 6. Shots 5
    // and 6 share their ray.
    Step(*boss);
    EXPECT_EQ(AnglesOf(*boss, newStars),
              (std::vector<int>{6, 51, 96, 141, 186, 231, 231, 276, 321}));
    Run(*boss, 1499);
    EXPECT_EQ(boss->PhaseTimer(), 1500);

    Step(*boss);  // the switch frame does nothing else
    EXPECT_EQ(boss->Phase(), BossPhase::XantumRings);
    EXPECT_EQ(boss->SpinAngle(), 0);
    EXPECT_TRUE(AnglesOf(*boss, newRings).empty());

    // Each ring turns by a random 0 to 8 degrees, first one way, then the
    // other; the rings draw nothing else. Seeded to know the draws.
    std::srand(99);
    std::vector<int> swings;
    for (int i = 0; i < 380; ++i) {
        swings.push_back(std::rand() % 9);
    }
    std::srand(99);
    int spin = 0;
    int direction = 1;
    bool wentNegative = false;
    for (int timer = 0; timer < 2200; ++timer) {
        Step(*boss);
        if (timer % 5 != 0 || timer >= 1900) {
            continue;
        }
        spin = (spin > 359 ? 360 - spin : spin) + swings[timer / 5] * direction;  // reflected
        direction = -direction;
        ASSERT_EQ(boss->SpinAngle(), spin) << "timer " << timer;
        ASSERT_EQ(boss->SpinDirection(), direction);
        ASSERT_EQ(AnglesOf(*boss, newRings), Ray(spin, 18, 20)) << "timer " << timer;
        wentNegative = wentNegative || spin < 0;
    }
    EXPECT_TRUE(wentNegative);  // negative angles reach the shots unchanged

    Step(*boss);
    EXPECT_EQ(boss->Phase(), BossPhase::XantumStars);
    EXPECT_EQ(boss->SpinAngle(), 0);
    EXPECT_EQ(boss->PhaseTimer(), 0);
    EXPECT_EQ(boss->PhaseLength(), 1500);
    Step(*boss);
    EXPECT_EQ(AnglesOf(*boss, newStars)[0], 6);
    EXPECT_EQ(CountLines(trace.lines, "boss Xantum phase 18"), 1);
    EXPECT_EQ(CountLines(trace.lines, "boss Xantum phase 17"), 2);
}
