// SPDX-License-Identifier: MIT
#include "hero/Hero.h"

#include "gfx/Sound.h"
#include "tests/TestSupport.h"

namespace {

// A ship on a test display, with its own keyboard and stick, on a virtual
// clock that moves 13 ms per frame.
class HeroTest : public PlayfieldTest {
protected:
    Uint8 keys[SDLK_LAST] = {};
    JoystickState stick = {0, 0, 0, 0, 0};

    // One frame as the game runs it: fire, move, update.
    void Frame(Hero& hero) {
        hero.Fire(keys, &stick);
        hero.Move(keys, &stick);
        hero.Update();
        clock.Advance(13);
    }
    // An enemy shot of 8 x 8 whose centre is (dx, dy) off the ship's centre.
    std::unique_ptr<Shot> ShotNear(const Hero& hero, int dx, int dy) {
        const Rect ship = hero.GetRect();
        return std::unique_ptr<Shot>(shots.Still(CentreX(ship) + dx, CentreY(ship) + dy, 8, 8));
    }
    bool HitBy(Hero& hero, Shot* shot) {
        Shot* shots[3] = {nullptr, shot, nullptr};
        hero.CheckShotHits(shots, 3);
        return hero.IsInvulnerable();
    }
    // Frames until the ship leaves its current state.
    int FramesInState(Hero& hero) {
        const HeroState state = hero.GetState();
        int frames = 0;
        while (hero.GetState() == state && frames < 1000) {
            Frame(hero);
            ++frames;
        }
        return frames;
    }
};

}  // namespace

TEST_F(HeroTest, BoundsAreTestedBeforeTheStep) {
    auto hero = MakeShip(display.screen, 306, 2);
    keys[SDLK_UP] = 1;
    Frame(*hero);
    EXPECT_EQ(hero->GetRect().y, -1);
    EXPECT_EQ(hero->GetPose(), HeroPose::Up);
    Frame(*hero);  // at -1 it may not climb: no step, so the pose is level
    EXPECT_EQ(hero->GetRect().y, -1);
    EXPECT_EQ(hero->GetPose(), HeroPose::Level);

    auto firing = MakeShip(display.screen, 306, 2);
    keys[SDLK_g] = 1;  // firing slows the step to 2
    Frame(*firing);
    EXPECT_EQ(firing->GetRect().y, 0);

    keys[SDLK_g] = 0;
    keys[SDLK_UP] = 0;
    keys[SDLK_LEFT] = 1;
    auto left = MakeShip(display.screen, 140, 200);
    Frame(*left);
    Frame(*left);
    EXPECT_EQ(left->GetRect().x, 137);

    keys[SDLK_LEFT] = 0;
    keys[SDLK_RIGHT] = 1;
    keys[SDLK_DOWN] = 1;
    auto corner = MakeShip(display.screen, 466, 447);  // right edge 502, bottom edge 480
    Frame(*corner);
    Frame(*corner);
    EXPECT_EQ(BoxOf(corner->GetRect()), (Box{469, 450, 36, 33}));
}

TEST_F(HeroTest, TiltBuildsOverSevenUpdatesAndDiagonalsNeverTilt) {
    auto hero = MakeShip(display.screen);
    keys[SDLK_LEFT] = 1;
    for (int update = 1; update <= 7; ++update) {
        Frame(*hero);
        EXPECT_EQ(hero->GetTilt(), update - 1);
    }
    Frame(*hero);
    EXPECT_EQ(hero->GetTilt(), 6);  // held at full tilt
    keys[SDLK_LEFT] = 0;
    Frame(*hero);
    EXPECT_EQ(hero->GetPose(), HeroPose::Level);
    keys[SDLK_LEFT] = 1;
    Frame(*hero);
    EXPECT_EQ(hero->GetTilt(), 0);

    // Up and left: diagonal, pose left, but the up step resets the tilt.
    keys[SDLK_UP] = 1;
    const Rect before = hero->GetRect();
    for (int update = 0; update < 10; ++update) {
        Frame(*hero);
    }
    EXPECT_EQ(hero->GetPose(), HeroPose::Left);
    EXPECT_EQ(hero->GetTilt(), 0);
    EXPECT_EQ(BoxOf(hero->GetRect()), (Box{before.x - 30, before.y - 30, 36, 33}));

    // Left and right together cancel out, and the later one names the pose.
    keys[SDLK_UP] = 0;
    keys[SDLK_RIGHT] = 1;
    const Rect still = hero->GetRect();
    Frame(*hero);
    EXPECT_EQ(hero->GetRect().x, still.x);
    EXPECT_EQ(hero->GetPose(), HeroPose::Right);
}

TEST_F(HeroTest, TheStickFliesAndFiresLikeTheKeys) {
    auto hero = MakeShip(display.screen);
    stick.right = 1;
    stick.fire = 1;
    Frame(*hero);
    EXPECT_EQ(hero->GetRect().x, Hero::StartX + 2);  // slowed by firing
    EXPECT_EQ(hero->Shots().LiveCount(), 1);
    // Keyboard up and stick down both count: up first, then down.
    keys[SDLK_UP] = 1;
    stick.down = 1;
    stick.right = 0;
    stick.fire = 0;
    Frame(*hero);
    EXPECT_EQ(hero->GetRect().y, Hero::StartY);
    EXPECT_EQ(hero->GetPose(), HeroPose::Down);
}

TEST_F(HeroTest, FiresAtMostOneShotEvery61Milliseconds) {
    auto hero = MakeShip(display.screen);
    const int soundsBefore = SoundPlayCount(HeroShotChannel);
    keys[SDLK_g] = 1;
    int fired = 0;
    std::vector<int> firingFrames;
    for (int frame = 0; frame < 21; ++frame) {
        const int before = hero->Shots().LiveCount();
        Frame(*hero);
        if (hero->Shots().LiveCount() > before) {
            firingFrames.push_back(frame);
            ++fired;
        }
    }
    // The first press fires at once; then every fifth frame (65 ms).
    EXPECT_EQ(firingFrames, (std::vector<int>{0, 5, 10, 15, 20}));
    EXPECT_EQ(SoundPlayCount(HeroShotChannel) - soundsBefore, fired);
    // A hero shot climbs 6 pixels a frame from above the ship's nose.
    EXPECT_EQ(BoxOf(hero->GetShots()[4]->GetRect()),
              (Box{Hero::StartX + 9, Hero::StartY - 20 - 6, 17, 41}));
}

TEST_F(HeroTest, AFullPoolRefusesSilently) {
    auto hero = MakeShip(display.screen);
    keys[SDLK_g] = 1;
    for (int frame = 0; frame < 60; ++frame) {
        hero->Fire(keys, &stick);
        hero->Update();
        clock.Advance(61);
    }
    ASSERT_EQ(hero->Shots().LiveCount(), 60);
    const int sounds = SoundPlayCount(HeroShotChannel);
    hero->Fire(keys, &stick);
    EXPECT_EQ(hero->Shots().LiveCount(), 60);
    EXPECT_EQ(SoundPlayCount(HeroShotChannel), sounds);
}

TEST_F(HeroTest, NearMissesTurnTheNextTwentyFramesOfShotsRed) {
    auto hero = MakeShip(display.screen);
    auto graze = ShotNear(*hero, 19, 14);  // inside the near-miss box only
    EXPECT_FALSE(HitBy(*hero, graze.get()));
    EXPECT_EQ(hero->GetBonusTimer(), 20);
    auto wide = ShotNear(*hero, 20, 0);
    auto high = ShotNear(*hero, 0, 15);
    hero->Update();  // 19 left
    EXPECT_FALSE(HitBy(*hero, wide.get()));
    EXPECT_FALSE(HitBy(*hero, high.get()));
    EXPECT_EQ(hero->GetBonusTimer(), 19);

    keys[SDLK_g] = 1;
    std::vector<int> damage;
    for (int slot = 0; slot < 25; ++slot) {
        Frame(*hero);
        clock.Advance(60);  // a shot every frame, each in the next slot
        const Shot* newest = hero->GetShots()[slot];
        damage.push_back(newest ? newest->GetDamage() : 0);
    }
    // Timer values 19 down to 1 give red shots of damage 2; then blue.
    std::vector<int> expected(19, 2);
    expected.resize(25, 1);
    EXPECT_EQ(damage, expected);
}

TEST_F(HeroTest, AShotHitsOnlyWhenTheShipsCentreIsWellInsideIt) {
    auto hero = MakeShip(display.screen);
    for (int d : {3, -3}) {
        auto miss = ShotNear(*hero, d, 0);
        EXPECT_FALSE(HitBy(*hero, miss.get())) << d;
        auto missY = ShotNear(*hero, 0, d);
        EXPECT_FALSE(HitBy(*hero, missY.get())) << d;
    }
    auto hit = ShotNear(*hero, 2, -2);
    EXPECT_TRUE(HitBy(*hero, hit.get()));
    EXPECT_EQ(hero->GetState(), HeroState::Exploding);
    EXPECT_EQ(hero->GetBonusTimer(), 20);  // a hit is a near miss too
}

TEST_F(HeroTest, BodiesHitWhenTheCentresComeWithinTheMargins) {
    auto hero = MakeShip(display.screen);
    const Rect ship = hero->GetRect();
    // An enemy whose centre is 9 pixels right: margin 8 + 1 is not enough.
    hero->CheckBodyHit(MakeRect(CentreX(ship) + 9 - 16, CentreY(ship) - 4, 32, 9), 8, 3);
    EXPECT_FALSE(hero->IsInvulnerable());
    hero->CheckBodyHit(MakeRect(CentreX(ship) + 8 - 16, CentreY(ship) + 3 - 4, 32, 9), 8, 3);
    EXPECT_TRUE(hero->IsInvulnerable());
}

TEST_F(HeroTest, OneLifePerHitThenReentryAndRecovery) {
    auto hero = MakeShip(display.screen);
    keys[SDLK_g] = 1;
    Frame(*hero);  // a shot in flight when the hit comes
    keys[SDLK_g] = 0;
    auto first = ShotNear(*hero, 0, 0);
    auto second = ShotNear(*hero, 1, 1);
    Shot* both[2] = {first.get(), second.get()};
    hero->CheckShotHits(both, 2);
    hero->CheckShotHits(both, 2);  // a second test in the same frame
    hero->CheckBodyHit(hero->GetRect(), 10, 10);
    EXPECT_EQ(hero->GetState(), HeroState::Exploding);

    const int explosionSounds = SoundPlayCount(HeroExplosionChannel);
    // The explosion: one update that shows nothing, then 15 sheet frames of
    // two 13 ms updates each; the next update takes the life.
    keys[SDLK_LEFT] = 1;  // ignored while exploding
    EXPECT_EQ(FramesInState(*hero), 32);
    EXPECT_EQ(SoundPlayCount(HeroExplosionChannel) - explosionSounds, 1);
    EXPECT_EQ(hero->GetLives(), 5);
    EXPECT_EQ(hero->GetState(), HeroState::Entering);
    EXPECT_EQ(BoxOf(hero->GetRect()), (Box{Hero::StartX, Hero::ReentryY, 36, 33}));
    EXPECT_EQ(hero->Shots().LiveCount(), 1);  // it kept flying

    // Rising 2 pixels an update from 480 to 410, switching in the 36th.
    EXPECT_EQ(FramesInState(*hero), 36);
    EXPECT_EQ(hero->GetRect().y, 410);
    EXPECT_EQ(hero->GetState(), HeroState::Recovering);
    auto shot = ShotNear(*hero, 0, 0);
    EXPECT_TRUE(HitBy(*hero, shot.get()));  // untouchable: still recovering
    EXPECT_EQ(hero->GetState(), HeroState::Recovering);
    keys[SDLK_LEFT] = 0;
    EXPECT_EQ(FramesInState(*hero), 100);
    EXPECT_EQ(hero->GetState(), HeroState::Flying);
    EXPECT_EQ(hero->GetLives(), 5);
}

TEST_F(HeroTest, TheLastLifeIsTakenOnceAndTheShipStaysDown) {
    auto hero = MakeShip(display.screen, Hero::StartX, Hero::StartY, 1);
    auto shot = ShotNear(*hero, 0, 0);
    ASSERT_TRUE(HitBy(*hero, shot.get()));
    for (int frame = 0; frame < 32; ++frame) {
        Frame(*hero);
    }
    EXPECT_EQ(hero->GetLives(), 0);
    EXPECT_TRUE(hero->IsOutOfLives());
    EXPECT_EQ(hero->GetState(), HeroState::Exploding);
    // The victory screen may draw the ship once more: no life below zero.
    Frame(*hero);
    Frame(*hero);
    EXPECT_EQ(hero->GetLives(), 0);
}
