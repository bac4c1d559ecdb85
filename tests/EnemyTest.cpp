// SPDX-License-Identifier: MIT
#include <cstdlib>

#include "enemies/AirBlade.h"
#include "enemies/DarkAvionDuo.h"
#include "enemies/DarkMetroid.h"
#include "enemies/Missile.h"
#include "enemies/Piaf.h"
#include "gfx/Sound.h"
#include "tests/TestSupport.h"

namespace {

// An enemy with nothing but the shared base, for the hit test's edges.
class Target : public Enemy {
public:
    Target(Rect rect, int halfWidth, int halfHeight) : Enemy(rect, halfWidth, halfHeight, 0, 7) {}
    bool Update() override { return true; }
    int TestHits(Shot**, int) override { return -1; }
    bool IsDestroyed() override { return false; }
    Shot** GetShots() override { return nullptr; }
    int GetShotSlotCount() override { return 0; }
    void HandleKeys(Uint8*) override {}
};

class EnemyTest : public PlayfieldTest {
protected:
    EnemyBank bank;

    template <class Kind>
    std::unique_ptr<Kind> Make(int x, int y, int w, int h, int halfWidth, int halfHeight) {
        return std::make_unique<Kind>(display.screen, &bank, MakeRect(x, y, w, h), halfWidth,
                                      halfHeight, 0);
    }
    std::unique_ptr<AirBlade> Blade(int y = 100) { return Make<AirBlade>(200, y, 158, 94, 60, 10); }
    // Updates until the enemy reports itself finished; the number of updates.
    int UpdatesUntilFinished(Enemy& enemy, int limit = 2000) {
        for (int updates = 1; updates <= limit; ++updates) {
            const bool keep = enemy.Update();
            clock.Advance(13);
            if (!keep) {
                return updates;
            }
        }
        return -1;
    }
    // Fills the first n slots with shots that stay inside the playfield.
    void Occupy(Enemy& enemy, int n) {
        for (int slot = 0; slot < n; ++slot) {
            enemy.GetShots()[slot] = shots.Still(300, 300);
        }
    }
};

}  // namespace

TEST_F(EnemyTest, HitBoxEdgesAreStrictAndTheFirstSlotWins) {
    const Target target(MakeRect(100, 100, 32, 9), 8, 3);           // centre (116, 104)
    std::unique_ptr<Shot> touching(shots.Still(116 + 2 + 8, 104));  // |dx| = 2 + 8
    std::unique_ptr<Shot> inside(shots.Still(116 + 9, 104 + 4));    // |dx| 9, |dy| 4 < 2 + 3
    std::unique_ptr<Shot> alsoInside(shots.Still(116, 104));
    std::unique_ptr<Shot> above(shots.Still(116, 104 - 5));  // |dy| = 2 + 3
    Shot* heroShots[5] = {touching.get(), nullptr, above.get(), inside.get(), alsoInside.get()};
    EXPECT_EQ(target.FindHit(heroShots, 5), 3);
    EXPECT_EQ(target.FindHit(heroShots, 3), -1);
    EXPECT_EQ(target.FindHit(heroShots, 0), -1);
}

TEST_F(EnemyTest, AirBladeTakesEightPointsAndFlashesForOneUpdatePerHit) {
    auto blade = Blade();
    for (int hit = 1; hit <= 7; ++hit) {
        EXPECT_EQ(shots.HitAtCentre(*blade, 1), 1);
        EXPECT_EQ(blade->GetState(), EnemyState::Hit);
        blade->Update();
        EXPECT_EQ(blade->GetState(), EnemyState::Normal);
    }
    EXPECT_EQ(blade->GetHitPoints(), 1);
    shots.HitAtCentre(*blade, 1);
    EXPECT_TRUE(blade->IsDestroyed());
    EXPECT_EQ(shots.HitAtCentre(*blade, 1), -1);  // no more hits once destroyed
    EXPECT_EQ(blade->GetHitPoints(), 0);

    auto red = Blade();
    for (int hit = 0; hit < 4; ++hit) {
        shots.HitAtCentre(*red, 2);
    }
    EXPECT_TRUE(red->IsDestroyed());
}

TEST_F(EnemyTest, ADestroyedEnemyFinishesThirtySixUpdatesAfterItsExplosion) {
    auto blade = Blade();
    const int sounds = SoundPlayCount(EnemyExplosionChannel);
    shots.HitAtCentre(*blade, 8);
    const Rect where = blade->GetRect();
    // 31 updates of explosion (16 strip indexes, 20 ms each at 13 ms per
    // update), then afterFrames 0 to 35.
    EXPECT_EQ(UpdatesUntilFinished(*blade), 31 + 36);
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel) - sounds, 1);
    EXPECT_EQ(blade->GetRect().y, where.y);  // it stopped where it died
}

TEST_F(EnemyTest, ADestroyedEnemyWaitsForItsLastShot) {
    auto blade = Blade();
    // A shot falling 1 pixel a frame from y 400: it leaves in the update in
    // which its top passes 480.
    blade->GetShots()[5] = shots.Straight(MakeRect(300, 400, 4, 4), 0, 1);
    shots.HitAtCentre(*blade, 8);
    EXPECT_EQ(UpdatesUntilFinished(*blade), 81 + 1);
    EXPECT_EQ(blade->Shots().LiveCount(), 0);
}

TEST_F(EnemyTest, LeavingThePlayfieldIsSilentAndFinishesAtOnce) {
    const int sounds = SoundPlayCount(EnemyExplosionChannel);
    auto below = Blade(481);
    EXPECT_FALSE(below->Update());
    EXPECT_TRUE(below->IsDestroyed());
    EXPECT_FALSE(below->IsExploding());
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), sounds);

    // Entering from above, touching the top row, is inside.
    auto entering = Make<Piaf>(200, -8, 32, 9, 8, 3);
    EXPECT_TRUE(entering->Update());
    EXPECT_FALSE(entering->IsDestroyed());

    // With a shot still flying it finishes once that shot is gone.
    auto missile = Make<Missile>(200, 470, 29, 162, 13, 70);
    missile->GetShots()[0] = shots.Straight(MakeRect(300, 470, 4, 4), 0, 6);
    EXPECT_TRUE(missile->Update());  // 470 is inside: moves to 476, shot to 476
    EXPECT_TRUE(missile->Update());  // 476 is inside: moves to 482, shot leaves
    EXPECT_FALSE(missile->IsDestroyed());
    EXPECT_FALSE(missile->Update());  // 482 is outside and no shot is left
}

TEST_F(EnemyTest, AirBladeVolleysComeEveryTwentyStepsFromTheFortieth) {
    auto blade = Blade();
    const int sounds = SoundPlayCount(EnemyShotChannel);
    for (int update = 1; update < 40; ++update) {
        blade->Update();
    }
    EXPECT_EQ(blade->Shots().LiveCount(), 0);
    const Rect r = blade->GetRect();
    blade->Update();
    ASSERT_EQ(blade->Shots().LiveCount(), 3);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel) - sounds, 1);
    // Three shots from under its nose: down, down-right, down-left.
    const Rect middle = blade->GetShots()[0]->GetRect();
    EXPECT_EQ(middle.x, r.x + 71);
    EXPECT_EQ(middle.y, r.y + 32 + 4);
    EXPECT_EQ(blade->GetShots()[1]->GetRect().x, r.x + 72);
    EXPECT_EQ(blade->GetShots()[2]->GetRect().x, r.x + 70);

    // With 38 of its 40 slots taken the volley is two shots and silent.
    auto crowded = Blade();
    Occupy(*crowded, 38);
    for (int update = 1; update <= 40; ++update) {
        crowded->Update();
    }
    EXPECT_EQ(crowded->Shots().LiveCount(), 40);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel) - sounds, 1);
}

TEST_F(EnemyTest, DarkMetroidBurstsIntoItsLastVolleyWhenDestroyed) {
    auto metroid = Make<DarkMetroid>(200, 100, 32, 29, 13, 5);
    const int shotSounds = SoundPlayCount(EnemyShotChannel);
    const int explosions = SoundPlayCount(EnemyExplosionChannel);
    shots.HitAtCentre(*metroid, 1);
    EXPECT_TRUE(metroid->IsDestroyed());
    EXPECT_EQ(metroid->Shots().LiveCount(), 3);
    EXPECT_EQ(metroid->GetShots()[0]->GetRect().x, 200 + 12);
    EXPECT_EQ(metroid->GetShots()[0]->GetRect().y, 100 + 8);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel) - shotSounds, 1);
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel), explosions);
    metroid->Update();
    EXPECT_EQ(SoundPlayCount(EnemyExplosionChannel) - explosions, 1);

    auto crowded = Make<DarkMetroid>(200, 100, 32, 29, 13, 5);
    Occupy(*crowded, 8);
    shots.HitAtCentre(*crowded, 2);
    EXPECT_EQ(crowded->Shots().LiveCount(), 10);
    EXPECT_EQ(SoundPlayCount(EnemyShotChannel) - shotSounds, 1);  // cut short: silent
}

TEST_F(EnemyTest, DarkAvionDuoFiresEveryTenthUpdateUntilDestroyedButKeepsFalling) {
    auto duo = Make<DarkAvionDuo>(200, 50, 92, 124, 40, 25);
    for (int update = 1; update <= 9; ++update) {
        duo->Update();
    }
    EXPECT_EQ(duo->Shots().LiveCount(), 0);
    duo->Update();
    ASSERT_EQ(duo->Shots().LiveCount(), 2);
    shots.HitAtCentre(*duo, 5);
    const int y = duo->GetRect().y;
    for (int update = 0; update < 20; ++update) {
        duo->Update();
    }
    EXPECT_EQ(duo->GetRect().y, y + 80);
    EXPECT_EQ(duo->Shots().LiveCount(), 2);
}

TEST_F(EnemyTest, MissileNeedsFiftyPointsAndFallsSixPixelsAnUpdate) {
    auto missile = Make<Missile>(200, -161, 29, 162, 13, 70);
    for (int hit = 0; hit < 49; ++hit) {
        shots.HitAtCentre(*missile, 1);
    }
    EXPECT_FALSE(missile->IsDestroyed());
    missile->Update();
    EXPECT_EQ(missile->GetRect().y, -155);
    shots.HitAtCentre(*missile, 1);
    EXPECT_TRUE(missile->IsDestroyed());
    missile->Update();
    EXPECT_EQ(missile->GetRect().y, -149);  // falls on while it explodes
}

TEST_F(EnemyTest, PiafFallsForItsTravelThenSlantsForGood) {
    // The generator is seeded so that the test knows the travel (75 to 114
    // updates) and the drift (-1, 0 or 1) that the Piaf draws.
    std::srand(7);
    const int travel = 75 + std::rand() % 40;
    const int drift = 1 - std::rand() % 3;
    ASSERT_NE(drift, 0);
    std::srand(7);
    auto piaf = Make<Piaf>(300, -8, 32, 9, 8, 3);
    for (int update = 1; update <= 140; ++update) {
        const Rect before = piaf->GetRect();
        piaf->Update();
        EXPECT_EQ(piaf->GetRect().y, before.y + 3);
        EXPECT_EQ(piaf->GetRect().x - before.x, update <= travel ? 0 : drift) << update;
    }
}
