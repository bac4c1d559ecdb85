// SPDX-License-Identifier: MIT
#include "simulation/ThreatTracker.h"

#include <cmath>
#include <cstdlib>

#include "enemies/Enemy.h"

void MotionTrack::See(int frame, int x, int y) {
    const bool continues = lastFrame == frame - 1 && count > 0 &&
                           std::abs(x - xs[newest]) <= LargestStep &&
                           std::abs(y - ys[newest]) <= LargestStep;
    if (!continues) {
        count = 0;
    }
    newest = (newest + 1) % Length;
    xs[newest] = x;
    ys[newest] = y;
    if (count < Length) {
        ++count;
    }
    lastFrame = frame;
}

int MotionTrack::Back(const int* values, int framesAgo) const {
    return values[(newest - framesAgo + Length) % Length];
}

float MotionTrack::Velocity(const int* values) const {
    if (count < 2) {
        return 0;
    }
    const int shortSpan = count - 1 < 3 ? count - 1 : 3;
    const int longSpan = count - 1;
    const float recent = static_cast<float>(values[newest] - Back(values, shortSpan)) /
                         static_cast<float>(shortSpan);
    const float steady =
        static_cast<float>(values[newest] - Back(values, longSpan)) / static_cast<float>(longSpan);
    return std::fabs(recent - steady) <= 0.75f ? steady : recent;
}

void ThreatTracker::Observe(const PlayView& view) {
    if (view.frame <= lastFrame || bodyTracks.empty()) {
        // A new play-through: nothing seen before counts.
        bodyTracks.assign(view.enemySlotCount, MotionTrack());
        shotTracks.assign(view.enemySlotCount, {});
        seenEnemies.assign(view.enemySlotCount, nullptr);
    }
    lastFrame = view.frame;
    threats.clear();
    enemies.clear();
    for (int slot = 0; slot < view.enemySlotCount; ++slot) {
        Enemy* enemy = view.enemySlots[slot];
        if (!enemy || !enemy->HasAppeared(view.now)) {
            continue;
        }
        if (seenEnemies[slot] != enemy) {
            seenEnemies[slot] = enemy;
            bodyTracks[slot] = MotionTrack();
            shotTracks[slot].clear();
        }
        ObserveEnemy(slot, enemy, view.frame);
        ObserveShots(slot, enemy, view.frame);
    }
}

void ThreatTracker::ObserveEnemy(int slot, Enemy* enemy, int frame) {
    const Rect r = enemy->GetRect();
    MotionTrack& track = bodyTracks[slot];
    track.See(frame, CentreX(r), CentreY(r));
    const bool destroyed = enemy->IsDestroyed();
    enemies.push_back({slot, r, enemy->GetHalfWidth(), enemy->GetHalfHeight(), track.Vx(),
                       track.Vy(), destroyed});
    if (destroyed) {
        return;  // an exploding enemy no longer rams
    }
    Threat body;
    body.x = static_cast<float>(CentreX(r));
    body.y = static_cast<float>(CentreY(r));
    body.vx = track.Vx();
    body.vy = track.Vy();
    body.reachX = static_cast<float>(enemy->GetHalfWidth() + 1);
    body.reachY = static_cast<float>(enemy->GetHalfHeight() + 1);
    body.motionKnown = track.MotionKnown();
    threats.push_back(body);
}

void ThreatTracker::ObserveShots(int slot, Enemy* enemy, int frame) {
    Shot** shots = enemy->GetShots();
    const int count = enemy->GetShotSlotCount();
    std::vector<MotionTrack>& tracks = shotTracks[slot];
    if (static_cast<int>(tracks.size()) < count) {
        tracks.resize(count);
    }
    for (int i = 0; i < count; ++i) {
        if (!shots[i]) {
            continue;
        }
        const Rect r = shots[i]->GetRect();
        MotionTrack& track = tracks[i];
        track.See(frame, CentreX(r), CentreY(r));
        Threat shot;
        shot.x = static_cast<float>(CentreX(r));
        shot.y = static_cast<float>(CentreY(r));
        shot.vx = track.Vx();
        shot.vy = track.Vy();
        // The ship's centre must come well inside the shot's box.
        shot.reachX = static_cast<float>(r.w / 2 - 1);
        shot.reachY = static_cast<float>(r.h / 2 - 1);
        shot.motionKnown = track.MotionKnown();
        threats.push_back(shot);
    }
}
