// SPDX-License-Identifier: MIT
#include "enemies/RegularEnemy.h"

#include "enemies/EnemyDrawing.h"
#include "gfx/Image.h"
#include "platform/Trace.h"

RegularEnemy::RegularEnemy(SDL_Surface* screen, const EnemyBank* bank, Rect rect, int halfWidth,
                           int halfHeight, int appearTime, const RegularEnemyTraits& traits)
    : Enemy(rect, halfWidth, halfHeight, appearTime, traits.score),
      screen(screen),
      hitPoints(traits.hitPoints),
      shots(traits.shotSlotCount),
      media(&bank->Media(traits.kind)),
      death(media->explosion.get(), traits.explosionWidth, traits.explosionHeight,
            traits.explosionFrames, traits.explosionFrameTimeMs, media->explosionSound.get()),
      drawsShotsFirst(traits.drawsShotsFirst) {}

bool RegularEnemy::Update() {
    bool keep = true;
    Behave();
    // Whether any shot is still flying is noted before this frame's shots
    // move, and a destroyed enemy waits for the last of them.
    const bool shotsPending = shots.AnyOccupied();
    if (drawsShotsFirst) {
        shots.UpdateAll();
        keep = Draw(shotsPending);
    } else {
        keep = Draw(shotsPending);
        shots.UpdateAll();
    }
    return keep;
}

bool RegularEnemy::Draw(bool shotsPending) {
    return DrawByState(&state, media->frames[frame].get(), media->hitFrames[frame].get(), &death,
                       screen, GetRect(), shotsPending);
}

int RegularEnemy::TestHits(Shot** heroShots, int count) {
    if (state == EnemyState::Destroyed) {
        return -1;
    }
    const int slot = TakeFirstHit(heroShots, count, &hitPoints);
    if (slot == -1) {
        return -1;
    }
    if (hitPoints <= 0) {
        OnKilled();
        state = EnemyState::Destroyed;
        death.Begin();
    } else {
        state = EnemyState::Hit;
    }
    TRACE("hit slot %d, %d hit points left", Trace::Subject(), hitPoints);
    return slot;
}

void RegularEnemy::Animate(int period) {
    if (frameTicks == period) {
        frame = 1 - frame;
        frameTicks = 0;
    }
    ++frameTicks;
}

void RegularEnemy::FallThenSlant() {
    int dx = 0;
    if (steps == travel) {
        dx = drift;
    } else {
        ++steps;
    }
    Move(dx, speed);
}

void RegularEnemy::ExitIfOutside(Rect before) {
    if (IsOutsidePlayfield(before)) {
        death.SkipToEnd();
        state = EnemyState::Destroyed;
    }
}

void RegularEnemy::FireVolley(const VolleyShot* volley, int count, Rect box) {
    int slot = -1;
    for (int k = 0; k < count; ++k) {
        slot = shots.FirstFree(slot + 1);
        if (slot < 0) {
            return;  // cut short: no sound
        }
        const ShotSegment* s = volley[k].segments;
        shots.Put(slot, new Shot(screen, media->shotImageA.get(), media->shotImageB.get(), box,
                                 s[0].dx, s[0].dy, s[0].frames, s[1].dx, s[1].dy, s[1].frames,
                                 s[2].dx, s[2].dy, s[2].frames, s[3].dx, s[3].dy, s[3].frames));
    }
    PlaySound(EnemyShotChannel, media->shotSound.get());
}
