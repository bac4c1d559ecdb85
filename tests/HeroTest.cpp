// SPDX-License-Identifier: MIT
#include "hero/Hero.h"

#include <algorithm>

#include "gfx/Sound.h"
#include "tests/BlitLog.h"

namespace {

// The ship's pictures in the order it loads them: the normal pair of each
// pose (a pose p has its pair at 2p), the hit pair of each pose, the
// explosion strip, the two shots.
constexpr int NormalPair = 0, HitPair = 10, Strip = 20, BlueShot = 21, RedShot = 22;
// The files of those pictures, each with how many pictures it fills.
const std::pair<const char*, int> ShipFiles[] = {
    {"Corvanel", 6},        {"Corvanel_Gauche", 2},        {"Corvanel_Droite", 2},
    {"Corvanel_Touche", 6}, {"Corvanel_Touche_Gauche", 2}, {"Corvanel_Touche_Droite", 2},
    {"Heros_Explosion", 1}, {"Heros_Tir_Bleu", 1},         {"Heros_Tir_Rouge", 1}};

// A ship on a test display, with its own keyboard and stick, on a virtual
// clock that moves 13 ms per frame.
class HeroTest : public DrawnTest {
protected:
    Uint8 keys[SDLK_LAST] = {};
    JoystickState stick = {0, 0, 0, 0, 0};
    std::unique_ptr<Hero> hero;
    std::vector<SDL_Surface*> pictures;
    std::vector<Blit> drawn;  // by the last frame

    void Make(int x = Hero::StartX, int y = Hero::StartY, int lives = 6) {
        hero = MakeShip(display.screen, x, y, lives);
        pictures = CutLoads();
        std::vector<std::string> files;
        for (const auto& [file, count] : ShipFiles) {
            files.resize(files.size() + count, "./Images/Heros/" + std::string(file) + ".png");
        }
        ASSERT_EQ(Names(pictures), files);
    }
    // One frame as the game runs it: fire, move, update. Keeps what it drew
    // and tells the ship's own picture, or -1.
    int Frame() {
        hero->Fire(keys, &stick);
        hero->Move(keys, &stick);
        hero->Update();
        clock.Advance(13);
        drawn = CutBlits(pictures);
        for (const Blit& blit : drawn) {
            if (PictureOf(blit) < Strip) {
                return PictureOf(blit);
            }
        }
        return -1;
    }
    int PictureOf(const Blit& blit) const {
        return static_cast<int>(std::find(pictures.begin(), pictures.end(), blit.source) -
                                pictures.begin());
    }
    // An enemy shot of 8 x 8 whose centre is (dx, dy) off the ship's centre.
    std::unique_ptr<Shot> ShotNear(int dx, int dy) {
        const Rect ship = hero->GetRect();
        return std::unique_ptr<Shot>(shots.Still(CentreX(ship) + dx, CentreY(ship) + dy, 8, 8));
    }
    bool HitBy(Shot* shot) {
        Shot* enemyShots[3] = {nullptr, shot, nullptr};
        hero->CheckShotHits(enemyShots, 3);
        return hero->IsInvulnerable();
    }
    // The ship's pictures until it leaves its current state.
    std::vector<int> FramesInState() {
        const HeroState state = hero->GetState();
        std::vector<int> drawn;
        while (hero->GetState() == state && drawn.size() < 1000) {
            drawn.push_back(Frame());
        }
        return drawn;
    }
};

// Which of a pair the ship shows in its nth update, n from 1: the first
// change comes after 8 updates, then every 7.
int AnimationFrame(int n) {
    return n <= 8 ? 0 : ((n - 9) / 7 + 1) % 2;
}

}  // namespace

// The ship may end a step up to 2 pixels past a bound: y down to -1, x down
// to 137, its right edge up to 505, its bottom edge up to 483.
TEST_F(HeroTest, EachBoundIsTestedBeforeTheStepAtItsExactEdge) {
    struct Case {
        SDLKey key;
        int x, y;
        bool firing;
        int endX, endY;
        HeroPose pose;
    };
    const Case cases[] = {
        {SDLK_UP, 306, 2, false, 306, -1, HeroPose::Up},
        {SDLK_UP, 306, 2, true, 306, 0, HeroPose::Up},
        {SDLK_UP, 306, 1, false, 306, 1, HeroPose::Level},
        {SDLK_DOWN, 306, 447, false, 306, 450, HeroPose::Down},
        {SDLK_DOWN, 306, 448, false, 306, 448, HeroPose::Level},
        {SDLK_LEFT, 140, 200, false, 137, 200, HeroPose::Left},
        {SDLK_LEFT, 139, 200, false, 139, 200, HeroPose::Level},
        {SDLK_RIGHT, 466, 200, false, 469, 200, HeroPose::Right},
        {SDLK_RIGHT, 467, 200, false, 467, 200, HeroPose::Level},
    };
    // Each case once with the keys, once with the stick.
    for (bool byStick : {false, true}) {
        for (const Case& c : cases) {
            Make(c.x, c.y);
            keys[c.key] = !byStick;
            keys[SDLK_g] = c.firing && !byStick;
            stick = {byStick && c.key == SDLK_UP, byStick && c.key == SDLK_DOWN,
                     byStick && c.key == SDLK_LEFT, byStick && c.key == SDLK_RIGHT,
                     byStick && c.firing};
            Frame();
            keys[c.key] = 0;
            EXPECT_EQ(BoxOf(hero->GetRect()), (Box{c.endX, c.endY, 36, 33})) << c.x << "," << c.y;
            EXPECT_EQ(hero->GetPose(), c.pose) << c.x << "," << c.y << (byStick ? " stick" : "");
        }
    }
}

TEST_F(HeroTest, PoseTiltAndAnimationChooseThePictureShown) {
    Make();
    // Level, then up, then down: the pose's pair, its frame changing after
    // 8 updates and then every 7.
    for (int n = 1; n <= 30; ++n) {
        const HeroPose pose = n <= 10 ? HeroPose::Level : n <= 20 ? HeroPose::Up : HeroPose::Down;
        keys[SDLK_UP] = pose == HeroPose::Up;
        keys[SDLK_DOWN] = pose == HeroPose::Down;
        EXPECT_EQ(Frame(), NormalPair + 2 * int(pose) + AnimationFrame(n)) << n;
    }

    // A side held: the first picture for 6 updates, the full tilt from the 7th.
    keys[SDLK_DOWN] = 0;
    for (SDLKey side : {SDLK_LEFT, SDLK_RIGHT}) {
        const int pair = NormalPair + 2 * int(side == SDLK_LEFT ? HeroPose::Left : HeroPose::Right);
        keys[side] = 1;
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(Frame(), pair + (n >= 7)) << n;
        }
        keys[side] = 0;
    }

    // Up and left: diagonal, pose left, but the up step keeps the tilt at 0.
    keys[SDLK_UP] = 1;
    keys[SDLK_LEFT] = 1;
    const Rect before = hero->GetRect();
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(Frame(), NormalPair + 2 * int(HeroPose::Left));
    }
    EXPECT_EQ(BoxOf(hero->GetRect()), (Box{before.x - 30, before.y - 30, 36, 33}));
    // Left and right together cancel out, and the later one names the pose.
    keys[SDLK_UP] = 0;
    keys[SDLK_RIGHT] = 1;
    Frame();
    EXPECT_EQ(hero->GetRect().x, before.x - 30);
    EXPECT_EQ(hero->GetPose(), HeroPose::Right);
}

TEST_F(HeroTest, TheGunFiresOnlyWhenMoreThan60msHavePassed) {
    Make();
    const char* const sound = "Sound/Shot4.wav";
    keys[SDLK_g] = 1;
    hero->Fire(keys, &stick);  // the first press fires at once
    ASSERT_EQ(hero->Shots().LiveCount(), 1);
    EXPECT_EQ(BoxOf(hero->GetShots()[0]->GetRect()),
              (Box{Hero::StartX + 9, Hero::StartY - 20, 17, 41}));
    clock.Advance(60);
    hero->Fire(keys, &stick);
    EXPECT_EQ(hero->Shots().LiveCount(), 1);
    clock.Advance(1);
    hero->Fire(keys, &stick);
    EXPECT_EQ(hero->Shots().LiveCount(), 2);
    EXPECT_EQ(Heard(sound, HeroShotChannel), 2);
    hero->Update();  // a blue shot climbs 6 pixels an update
    EXPECT_EQ(CutBlits({pictures[BlueShot]}).at(0).y, Hero::StartY - 26);

    // A full pool refuses silently and keeps the last shot time.
    for (int shot = 2; shot <= 60; ++shot) {
        clock.Advance(61);
        hero->Fire(keys, &stick);
    }
    EXPECT_EQ(hero->Shots().LiveCount(), 60);
    EXPECT_EQ(Heard(sound, HeroShotChannel), 60);
    hero->DestroyShot(30);
    hero->Fire(keys, &stick);  // no wait: the refusal kept the time
    EXPECT_EQ(Heard(sound, HeroShotChannel), 61);
}

TEST_F(HeroTest, NearMissesTurnTheNextTwentyFramesOfShotsRed) {
    Make();
    auto graze = ShotNear(19, 14);
    HitBy(graze.get());
    hero->Update();  // 19 left

    keys[SDLK_g] = 1;
    std::vector<int> damage, picture;
    for (int slot = 0; slot < 25; ++slot) {
        Frame();
        clock.Advance(60);  // a shot every frame, each in the next slot
        const Shot* newest = hero->GetShots()[slot];
        damage.push_back(newest ? newest->GetDamage() : 0);
        picture.push_back(PictureOf(drawn.end()[-2]));  // drawn last before the ship
    }
    // Timer values 19 down to 1 give red shots of damage 2; then blue.
    std::vector<int> expected(19, 2), expectedPicture(19, RedShot);
    expected.resize(25, 1);
    expectedPicture.resize(25, BlueShot);
    EXPECT_EQ(damage, expected);
    EXPECT_EQ(picture, expectedPicture);
}

// An 8 x 8 shot grants the bonus within 19 and 14 pixels of the ship's
// centre and hits within 2; an enemy body with margins 8 and 3 hits within
// 8 and 3. Every edge is strict.
TEST_F(HeroTest, ShotsAndBodiesHitOnlyInsideTheirEdges) {
    struct Case {
        bool body;
        int dx, dy, bonus;
        bool hit;
    };
    const Case cases[] = {
        {false, 19, 14, 20, false}, {false, 20, 0, 0, false},  {false, 0, 15, 0, false},
        {false, 3, 0, 20, false},   {false, 0, -3, 20, false}, {false, 2, -2, 20, true},
        {true, 9, 0, 0, false},     {true, 0, 4, 0, false},    {true, -8, 3, 0, true},
    };
    for (const Case& c : cases) {
        Make();
        const Rect ship = hero->GetRect();
        auto shot = ShotNear(c.dx, c.dy);
        if (c.body) {
            hero->CheckBodyHit(MakeRect(CentreX(ship) + c.dx - 16, CentreY(ship) + c.dy - 4, 32, 9),
                               8, 3);
        } else {
            HitBy(shot.get());
        }
        EXPECT_EQ(hero->GetBonusTimer(), c.bonus) << c.dx << "," << c.dy;
        EXPECT_EQ(hero->GetState() == HeroState::Exploding, c.hit) << c.dx << "," << c.dy;
    }
}

TEST_F(HeroTest, OneLifePerHitThenReentryAndRecoveryInTheHitLook) {
    Make(Hero::StartX, Hero::StartY, 2);
    keys[SDLK_g] = 1;
    Frame();  // a shot in flight when the hit comes
    auto first = ShotNear(0, 0);
    auto second = ShotNear(1, 1);
    Shot* both[2] = {first.get(), second.get()};
    hero->CheckShotHits(both, 2);
    hero->CheckShotHits(both, 2);  // a second test in the same frame
    hero->CheckBodyHit(hero->GetRect(), 10, 10);
    EXPECT_EQ(hero->GetState(), HeroState::Exploding);

    // The explosion: one update that shows nothing, then 15 strip cells of
    // two 13 ms updates each, centred on the ship; the next takes the life.
    // Neither the controls nor the gun work while it explodes or re-enters.
    keys[SDLK_LEFT] = 1;
    const Rect ship = hero->GetRect();
    std::vector<int> cells, expectedCells;
    for (int frame = 0; frame < 32; ++frame) {
        Frame();
        for (const Blit& blit : drawn) {
            if (PictureOf(blit) == Strip) {
                cells.push_back(blit.sourceX / 64);
                EXPECT_EQ(blit.x, CentreX(ship) - 32);
                EXPECT_EQ(blit.sourceW, 64);
            }
        }
    }
    for (int cell = 0; cell < 30; ++cell) {
        expectedCells.push_back(cell / 2);
    }
    EXPECT_EQ(cells, expectedCells);
    EXPECT_EQ(Heard("Sound/Explosion1_UP.wav", HeroExplosionChannel), 1);
    EXPECT_EQ(hero->GetLives(), 1);
    EXPECT_EQ(hero->GetState(), HeroState::Entering);
    EXPECT_EQ(BoxOf(hero->GetRect()), (Box{Hero::StartX, Hero::ReentryY, 36, 33}));

    // Rising 2 pixels an update from 480 to 410 in the hit look, switching
    // in the 36th, which draws nothing.
    const std::vector<int> entering = FramesInState();
    ASSERT_EQ(entering.size(), 36u);
    for (int n = 0; n < 35; ++n) {
        EXPECT_EQ(entering[n] - AnimationFrame(2 + n), HitPair) << n;
    }
    EXPECT_EQ(entering[35], -1);
    EXPECT_EQ(BoxOf(hero->GetRect()), (Box{Hero::StartX, 410, 36, 33}));
    EXPECT_EQ(hero->Shots().LiveCount(), 1);  // it kept flying, and no other left
    EXPECT_EQ(hero->GetState(), HeroState::Recovering);
    auto shot = ShotNear(0, 0);
    EXPECT_TRUE(HitBy(shot.get()));  // untouchable: still recovering
    EXPECT_EQ(hero->GetState(), HeroState::Recovering);

    // Recovering, it flies and fires, in the hit look of its pose.
    const int pair = HitPair + 2 * int(HeroPose::Left);
    std::vector<int> recovering = FramesInState();
    ASSERT_EQ(recovering.size(), 100u);
    recovering.resize(8);
    EXPECT_EQ(recovering,
              (std::vector<int>{pair, pair, pair, pair, pair, pair, pair + 1, pair + 1}));
    EXPECT_GT(hero->Shots().LiveCount(), 1);
    EXPECT_EQ(hero->GetState(), HeroState::Flying);
    EXPECT_EQ(hero->GetRect().x, 138);  // stopped at the left bound

    // The last life: the victory screen may draw the ship twice more after
    // its explosion: no life below zero, and no re-entry.
    auto last = ShotNear(0, 0);
    ASSERT_TRUE(HitBy(last.get()));
    for (int frame = 0; frame < 32 + 2; ++frame) {
        Frame();
    }
    EXPECT_EQ(hero->GetLives(), 0);
    EXPECT_EQ(hero->GetState(), HeroState::Exploding);
}
