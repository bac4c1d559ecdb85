// SPDX-License-Identifier: MIT
// The four bosses: approach, hits and flash, explosion and finish, leaving
// the playfield, the bursts and the attack phases that fire them.
#include <algorithm>
#include <cstdlib>

#include "bosses/Fee.h"
#include "bosses/Metroid.h"
#include "bosses/RadioZonde.h"
#include "bosses/Xantum.h"
#include "gfx/Sound.h"
#include "tests/BlitLog.h"

namespace {

// Where the level schedule places each boss, with its hit box halves; its
// frames and flash frames under ./Images/Ennemis/, and its arrival cry.
struct Placement {
    int x, y, w, h, halfWidth, halfHeight;
    Boss* (*make)(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight);
    const char* files[4];
    std::vector<std::string> cry;
};

template <class Kind>
Boss* Build(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight) {
    return new Kind(screen, rect, halfWidth, halfHeight, 0);
}

const Placement RadioZondeAt = {502,
                                -30,
                                314,
                                344,
                                47,
                                34,
                                Build<RadioZonde>,
                                {"RadioZonde/RadioZonde", "RadioZonde/RadioZonde1",
                                 "RadioZonde/RadioZonde_Flash", "RadioZonde/RadioZonde_Flash"},
                                {}};
const Placement MetroidAt = {
    56,
    120,
    82,
    89,
    30,
    30,
    Build<Metroid>,
    {"Metroid/Metroid", "Metroid/Metroid1", "Metroid/Metroid_Touche", "Metroid/Metroid1_Touche"},
    {"sound Sound/Metroid.wav channel 5 loops 0 ticks -1"}};
const Placement FeeAt = {
    298, -73, 45,         74,
    20,  20,  Build<Fee>, {"Fee/Fee1", "Fee/Fee2", "Fee/Fee1_Flash", "Fee/Fee2_Flash"},
    {}};
const Placement XantumAt = {
    502,
    0,
    225,
    239,
    80,
    80,
    Build<Xantum>,
    {"Xantum/Xantum", "Xantum/Xantum1", "Xantum/Xantum_Flash", "Xantum/Xantum_Flash"},
    {"sound Sound/Xantum.wav channel 5 loops 0 ticks -1"}};

// A boss's pictures in the order it loads them: its two frames, its two
// flash frames, its explosion strip and its twelve shot images.
constexpr int FlashFrame = 2, Strip = 4, ShotImages = 5;

class BossTest : public DrawnTest {
protected:
    std::unique_ptr<Boss> boss;
    std::vector<SDL_Surface*> pictures;

    // A boss at its scheduled place, moved by (dx, dy).
    void Make(const Placement& p, int dx = 0, int dy = 0) {
        boss.reset(p.make(display.screen, MakeRect(p.x + dx, p.y + dy, p.w, p.h), p.halfWidth,
                          p.halfHeight));
        pictures = CutLoads();
        std::vector<std::string> files;
        for (const char* file : p.files) {
            files.push_back("./Images/Ennemis/" + std::string(file) + ".png");
        }
        files.push_back("./Images/Explosions/Explosion_192.png");
        for (std::string colour : {"Rouge", "Bleu", "Vert", "Violet", "Cercle", "Glace"}) {
            files.push_back("./Images/Tirs/Tir1_" + colour + "_Ennemi.bmp");
            files.push_back("./Images/Tirs/Tir1" + std::string(colour == "Cercle" ? "_" : "a_") +
                            colour + "_Ennemi.bmp");
        }
        ASSERT_EQ(Names(pictures), files);
    }
    // One frame of play, as the Game runs it: whether the boss stays, and
    // the frame or flash frame it showed (0 to 3), or -1.
    bool keep = true;
    int Step() {
        keep = boss->Update();
        clock.Advance(13);
        const std::vector<int> shown = CutDrawn({pictures.begin(), pictures.begin() + Strip});
        return shown.empty() ? -1 : shown[0];
    }
    void Run(int frames) {
        for (int i = 0; i < frames; ++i) {
            Step();
            ASSERT_TRUE(keep) << "finished early, frame " << i + 1;
        }
    }
    int Hit(int damage) { return shots.HitAtCentre(*boss, damage); }

    // Empties the slots given, or every slot when none is given.
    void FreeSlots(std::vector<int> slots = {}) {
        for (int slot = 0; slot < boss->GetShotSlotCount(); ++slot) {
            if (slots.empty() || std::count(slots.begin(), slots.end(), slot)) {
                delete boss->GetShots()[slot];
                boss->GetShots()[slot] = nullptr;
            }
        }
    }
};

// Each burst's shot k as it must fly, from the spin it was fired at and the
// numbers drawn for it (the first gives the delay, 50 to 99 frames): images,
// angle, angle step, radius step, phase frames and release frame.
ShotPlan RadioZondeShot(int k, int spin, int, const std::vector<int>& d) {
    return {BlueFirst, BlueSecond, spin + 30 * k, 1, 2, d[0] % 50 + 50, d[0] % 50 + 100};
}
ShotPlan MetroidShot(int k, int, int, const std::vector<int>& d) {
    return {RedFirst, RedSecond, d[1 + k] % 360, 10, 2, d[0] % 50 + 50, 30};
}
// Fee's release frame counts 20 to 74 over its bursts and starts again.
ShotPlan FeeShot(int k, int spin, int burst, const std::vector<int>& d) {
    const ShotImage colour = static_cast<ShotImage>(2 * (d[1] % 4));
    return {colour,
            static_cast<ShotImage>(colour + 1),
            spin + 30 * k,
            k % 2 ? -1 : 1,
            2,
            d[0] % 50 + 50,
            20 + burst % 55};
}
ShotPlan XantumStarShot(int k, int spin, int, const std::vector<int>& d) {
    return {IceFirst, IceSecond, spin + 45 * (k - (k > 5)), 10, 1, d[0] % 50 + 50, 38};
}
ShotPlan XantumRingShot(int k, int spin, int, const std::vector<int>&) {
    return {k % 2 ? IceSecond : IceFirst, k % 2 ? IceFirst : IceSecond, spin + 18 * k, 2, 2, 0, 0};
}

}  // namespace

// Metroid and Xantum cry out in their first frame, and only then.
TEST_F(BossTest, EachBossFliesInWithItsNumbers) {
    struct Case {
        const Placement& at;
        int hitPoints, points, approach, endX, endY, period;
        BossPhase attack;
        int cries;
    };
    const Case cases[] = {
        {RadioZondeAt, 180, 500, 56, 166, -30, 4, BossPhase::RadioZondeSpirals, 0},
        {MetroidAt, 500, 500, 50, 284, 120, 10, BossPhase::MetroidScatter, 1},
        {FeeAt, 10000, 3000, 70, 298, 152, 10, BossPhase::FeeFans, 0},
        {XantumAt, 2000, 500, 80, 207, 0, 10, BossPhase::XantumStars, 1},
    };
    for (const Case& c : cases) {
        Make(c.at);
        SCOPED_TRACE(boss->Name());
        EXPECT_EQ(boss->GetScore(), c.points);
        heard.lines.clear();
        const int cries = SoundPlayCount(BossArrivalChannel);
        for (int timer = 0; timer < c.approach; ++timer) {
            EXPECT_EQ(Step(), (timer / c.period + 1) % 2) << timer;
            EXPECT_EQ(SoundPlayCount(BossArrivalChannel) - cries, c.cries);
        }
        EXPECT_EQ(BoxOf(boss->GetRect()), (Box{c.endX, c.endY, c.at.w, c.at.h}));
        EXPECT_EQ(heard.lines, c.at.cry);

        // The frame that starts the attack neither moves, animates nor fires.
        const int frame = boss->Frame();
        EXPECT_EQ(Step(), frame);
        EXPECT_EQ(boss->Phase(), c.attack);
        EXPECT_EQ(BoxOf(boss->GetRect()), (Box{c.endX, c.endY, c.at.w, c.at.h}));
        EXPECT_EQ(boss->LiveShotCount(), 0);

        // One point short of its hit points it lives and flashes.
        EXPECT_EQ(Hit(c.hitPoints - 1), 1);
        const int shown = Step();
        EXPECT_EQ(shown, FlashFrame + boss->Frame());
        EXPECT_EQ(Hit(1), 1);
        EXPECT_TRUE(boss->IsDestroyed());
    }
}

// Every attack phase, frame by frame: its bursts on their cadence inside
// their window, the spin, the animation, then the next phase or the leave
// move. The first burst of each phase is flown beside shots made as it must
// be made, and must fly, look and turn like them for 300 frames; so are the
// next 55 for 120 frames, to the one where Fee's release frames start again.
TEST_F(BossTest, AttackPhasesFireTheirBurstsAndHandOver) {
    struct Attack {
        const Placement& at;
        BossPhase phase;
        int length, cadence, window, period;
        int spinStep;     // turned by this after the burst; -1: by a random swing before
        bool turnsFirst;  // the spin turns before the burst
        int count, trajectory, offsetX, offsetY;
        ShotPlan (*plan)(int k, int spin, int burst, const std::vector<int>& draws);
        BossPhase next;
        int nextLength, leaveDx, leavePeriod, outAfter;
    };
    const Attack attacks[] = {
        {RadioZondeAt, BossPhase::RadioZondeSpirals, 1200, 10, 800, 4, 4, false, 12, 12, 149, 164,
         RadioZondeShot, BossPhase::Leave, 500, -6, 0, 58},
        {MetroidAt, BossPhase::MetroidScatter, 2000, 5, 1700, 10, 0, false, 12, 6, 33, 24,
         MetroidShot, BossPhase::Leave, 500, 6, 10, 37},
        {FeeAt, BossPhase::FeeFans, 2200, 5, 2000, 4, 29, false, 12, 14, 15, 36, FeeShot,
         BossPhase::Leave, 100, 5, 10, 41},
        {XantumAt, BossPhase::XantumStars, 1500, 5, 1200, 4, 6, true, 9, 16, 104, 121,
         XantumStarShot, BossPhase::XantumRings, 2200, 0, 0, 0},
        {XantumAt, BossPhase::XantumRings, 2200, 5, 1900, 4, -1, true, 20, 6, 104, 121,
         XantumRingShot, BossPhase::XantumStars, 1500, 0, 0, 0},
    };
    for (const Attack& a : attacks) {
        Make(a.at);
        SCOPED_TRACE(static_cast<int>(a.phase));
        while (boss->Phase() != a.phase) {
            Step();
            FreeSlots();
        }
        int spin = 0, direction = 1, frame = boss->Frame(), bursts = 0;
        for (int timer = 0; timer < a.length; ++timer) {
            const std::vector<int> d = Draws(timer + 1);
            const int sounds = Heard("Sound/Shot1.wav", EnemyShotChannel);
            const Rect at = boss->GetRect();
            const int fireSpin = a.turnsFirst
                                     ? (spin > 359 ? 360 - spin : spin) +
                                           (a.spinStep < 0 ? d[0] % 9 * direction : a.spinStep)
                                     : spin;
            frame = timer % a.period ? frame : 1 - frame;
            ASSERT_EQ(Step(), frame) << "timer " << timer;
            const bool fires = timer % a.cadence == 0 && timer < a.window;
            ASSERT_EQ(Heard("Sound/Shot1.wav", EnemyShotChannel) - sounds, fires)
                << "timer " << timer;
            if (fires) {
                spin = a.turnsFirst ? fireSpin : (spin > 359 ? 360 - spin : spin) + a.spinStep;
                direction = -direction;
                ASSERT_EQ(boss->SpinAngle(), spin) << "timer " << timer;
            }
            if (!fires || bursts == 56) {
                FreeSlots();
                continue;
            }
            std::vector<std::unique_ptr<Shot>> fired, expected;
            for (int k = 0; k < a.count; ++k) {
                ASSERT_NE(boss->GetShots()[k], nullptr) << "shot " << k;
                fired.emplace_back(boss->GetShots()[k]);
                boss->GetShots()[k] = nullptr;
                const ShotPlan p = a.plan(k, fireSpin, bursts, d);
                const int x = at.x + a.offsetX, y = at.y + a.offsetY;
                expected.emplace_back(new Shot(display.screen, pictures[ShotImages + p.first],
                                               pictures[ShotImages + p.second],
                                               MakeRect(x, y, 16, 16), a.trajectory));
                expected[k]->SetPath(x, y, 0, p.angle, p.angleStep, p.radiusStep, p.phaseFrames,
                                     p.releaseFrame);
                bool alive;
                expected[k]->Update(&alive);  // the frame it has flown
            }
            EXPECT_EQ(boss->LiveShotCount(), 0);
            // Where each shot is, its angle, whether it is alive and the image drawn.
            auto fly = [&](Shot& shot) {
                bool alive;
                shot.Update(&alive);
                const Rect r = shot.GetRect();
                const std::vector<int> looks = CutDrawn(pictures);
                return std::vector<int>{r.x, r.y, r.w, r.h, shot.Angle(), alive, looks.at(0)};
            };
            for (int flight = 0; flight < (bursts ? 120 : 300); ++flight) {
                for (int k = 0; k < a.count; ++k) {
                    CutDrawn({});
                    ASSERT_EQ(fly(*fired[k]), fly(*expected[k])) << "shot " << k << ", " << flight;
                }
            }
            ++bursts;
        }
        EXPECT_EQ(boss->PhaseTimer(), a.length);

        // The next attack phase starts in the next frame, with the spin at 0;
        // the leave move already in the frame of the switch.
        const int x = boss->GetRect().x, booms = SoundPlayCount(EnemyExplosionChannel);
        for (int n = 1; n <= (a.next == BossPhase::Leave ? a.nextLength : 1); ++n) {
            const int shown = Step();
            EXPECT_EQ(boss->Phase(), a.next);
            EXPECT_EQ(boss->PhaseLength(), a.nextLength);
            EXPECT_EQ(boss->GetRect().x, x + n * a.leaveDx);
            // Out of the band, it is taken out of play without a sound.
            ASSERT_EQ(boss->IsDestroyed(), a.next == BossPhase::Leave && n > a.outAfter) << n;
            if (!boss->IsDestroyed()) {
                frame = a.leavePeriod && (n - 1) % a.leavePeriod == 0 ? 1 - frame : frame;
                EXPECT_EQ(shown, frame) << n;
            }
        }
        EXPECT_EQ(boss->SpinAngle() == 0, a.next != BossPhase::Leave || spin == 0);
        EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);
        Step();  // a leave that has run stops; an attack phase stands still
        EXPECT_EQ(boss->GetRect().x,
                  x + (a.next == BossPhase::Leave ? a.nextLength : 0) * a.leaveDx);
    }
}

// A burst takes the lowest free slots and draws its numbers as it goes: the
// delay first, then one angle per shot made; it is heard only when whole.
TEST_F(BossTest, ABurstTakesTheLowestFreeSlotsAndIsHeardOnlyWhenComplete) {
    Make(MetroidAt);
    boss->FireBurst();  // before its attack it has no burst to fire
    EXPECT_EQ(boss->LiveShotCount(), 0);
    Run(52);
    FreeSlots();
    const int sounds = SoundPlayCount(EnemyShotChannel);
    std::vector<int> d = Draws(1234);
    boss->FireBurst();
    ASSERT_EQ(boss->LiveShotCount(), 12);
    EXPECT_EQ(std::rand(), d[13]);  // 13 numbers for a whole burst
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds + 1);

    // With every slot in use, nothing is created and nothing is heard.
    for (int slot = 0; slot < 2000; ++slot) {
        boss->GetShots()[slot] =
            boss->GetShots()[slot] ? boss->GetShots()[slot] : shots.Still(300, 300);
    }
    std::vector<Shot*> before(boss->GetShots(), boss->GetShots() + 2000);
    boss->FireBurst();
    EXPECT_EQ(std::vector<Shot*>(boss->GetShots(), boss->GetShots() + 2000), before);

    // Three scattered free slots take shots 0, 1 and 2, drawing 4 numbers.
    FreeSlots({3, 7, 1500});
    d = Draws(1234);
    boss->FireBurst();
    Shot** slots = boss->GetShots();
    EXPECT_EQ((std::vector<int>{slots[3]->Angle(), slots[7]->Angle(), slots[1500]->Angle()}),
              (std::vector<int>{d[1] % 360, d[2] % 360, d[3] % 360}));
    EXPECT_EQ(std::rand(), d[4]);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel), sounds + 1);

    // Its shots are drawn over its body.
    boss->Update();
    const std::vector<int> drawn = CutDrawn(pictures);
    ASSERT_GT(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], boss->Frame());
    EXPECT_GE(*std::min_element(drawn.begin() + 1, drawn.end()), ShotImages);
}

TEST_F(BossTest, AHitFlashesForOneFrameAndTheKillingHitExplodesInstead) {
    Make(XantumAt);
    SurfacePtr flash = LoadKeyedImage("./Images/Ennemis/Xantum/Xantum_Flash.png", 0, 0, 255);
    EXPECT_TRUE(SamePixels(pictures[FlashFrame + 1], flash.get()));
    EXPECT_EQ(Step(), 1);  // its first frame flips to image 1
    EXPECT_EQ(Hit(1), 1);  // two hits in two frames flash in both
    EXPECT_EQ(Step(), FlashFrame + 1);
    EXPECT_EQ(Hit(2), 1);
    EXPECT_EQ(Step(), FlashFrame + 1);
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(boss->HitPoints(), 2000 - 3);

    const int booms = SoundPlayCount(EnemyExplosionChannel);
    EXPECT_EQ(Hit(1997), 1);
    EXPECT_EQ(Hit(1), -1);  // no damage and the hero keeps its shot
    EXPECT_EQ(boss->HitPoints(), 0);
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);  // not before its frame

    // No flash and no body: cells of 192 x 192 centred on the boss, each
    // shown for more than 60 ms; with the clock moving 60 and 1 ms in turn,
    // a cell lasts two frames. The sound starts once, on the first.
    const Rect r = boss->GetRect();
    std::vector<int> cells, expected;
    for (int frame = 1; frame <= 31; ++frame) {
        boss->Update();
        clock.Advance(frame % 2 ? 60 : 1);
        for (const Blit& blit : CutBlits(pictures)) {
            ASSERT_EQ(blit.source, pictures[Strip]);
            EXPECT_EQ(BoxOf(MakeRect(blit.x, blit.y, blit.sourceW, blit.sourceH)),
                      (Box{CentreX(r) - 96, CentreY(r) - 96, 192, 192}));
            cells.push_back(blit.sourceX / 192);
        }
        expected.resize(frame - 1, (frame - 2) / 2);
    }
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(boss->ExplosionFrame(), 16);
    EXPECT_EQ(Heard("Sound/Explosion_Boss.wav", EnemyExplosionChannel), 1);
}

// Xantum finishes on the 36th frame after its explosion and its shots go
// with it; the others wait as long, then for their last shot.
TEST_F(BossTest, ADestroyedBossFinishes36FramesAfterItsExplosionOrAfterItsLastShot) {
    Make(XantumAt);
    Run(81 + 20);  // four bursts of stars
    ASSERT_GT(boss->LiveShotCount(), 0);
    Hit(2000);
    Run(1 + 15 * 5 + 35);  // its explosion, then 35 frames
    Step();
    EXPECT_FALSE(keep);
    EXPECT_GT(boss->LiveShotCount(), 0);

    Make(MetroidAt);
    Step();
    Hit(500);
    Run(1 + 15 * 5 + 35);
    Step();
    EXPECT_FALSE(keep);

    Make(FeeAt);
    Run(71 + 30);
    Hit(10000);
    Run(1 + 15 * 5);
    // Destroyed, it no longer fires, but its shots fly on.
    ASSERT_GT(boss->LiveShotCount(), 0);
    int frames = 0;
    int liveAtCheck = 0;
    while (keep && frames < 5000) {
        liveAtCheck = boss->LiveShotCount();  // nothing fires before the check
        Step();
        ++frames;
        // Until the frame after the last shot left, it stays.
        EXPECT_EQ(keep, frames < 36 || liveAtCheck > 0) << "frame " << frames;
    }
    EXPECT_GT(frames, 36);
    EXPECT_EQ(liveAtCheck, 0);
}

// Placed one pixel beyond the band, a boss is out before its first move
// would bring it back; touching the band, it is inside. Out without shots,
// it finishes in that very frame, with no explosion and no sound.
TEST_F(BossTest, TouchingTheBandIsInsideAndOnePixelBeyondIsOutBeforeTheMove) {
    struct Case {
        const Placement& at;
        int dx, dy;
        bool out;
    };
    const Case cases[] = {
        {RadioZondeAt, 1, 0, true}, {RadioZondeAt, 0, 0, false},  // x = 503, 502
        {MetroidAt, -1, 0, true},   {MetroidAt, 0, 0, false},     // x + w = 137, 138
        {FeeAt, 0, -2, true},       {FeeAt, 0, -1, false},        // y + h = -1, 0
        {XantumAt, 0, 641, true},   {XantumAt, 0, 640, false},    // y = 641, 640
    };
    for (const Case& c : cases) {
        const int booms = SoundPlayCount(EnemyExplosionChannel);
        Make(c.at, c.dx, c.dy);
        const int shown = Step();
        EXPECT_EQ(boss->IsDestroyed(), c.out) << boss->Name() << " " << c.dx << "," << c.dy;
        EXPECT_EQ(keep, !c.out);
        EXPECT_EQ(shown == -1 && boss->ExplosionFrame() == 16, c.out);
        EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), booms);
    }
}
