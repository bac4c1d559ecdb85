// SPDX-License-Identifier: MIT
// A boss's phase machine: the approach, the attack phases with their bursts
// and spin, and the leave move. Every step runs once per frame from Behave.
#include "bosses/Boss.h"

#include "gfx/Random.h"
#include "platform/Trace.h"

namespace {

// Fee's release frames count from here over its bursts.
constexpr int FirstBurstCycle = 20;
// Every burst starts at the spawn point itself.
constexpr int SpawnRadius = 0;
constexpr int ShotSize = 16;

}  // namespace

void Boss::Approach(int* dx, int* dy) {
    if (phaseTimer == phaseLength) {
        StartAttack(description.attacks[0]);
        if (description.countsBursts) {
            burstCycle = FirstBurstCycle;
        }
        return;  // neither moves nor animates in this frame
    }
    const ApproachMove& move = description.approach;
    if (phaseTimer == 0) {
        TRACE("boss %s arrives", description.name);
        PlaySound(BossArrivalChannel, arrivalSound.get());
    }
    Animate(move.animationPeriod);
    if (phaseTimer < move.movingFrames) {
        *dx = move.dx;
        *dy = move.dy;
    }
    ++phaseTimer;
}

// The attack phases stand still and the leave moves are all sideways, so
// no phase sets the frame's dy.
void Boss::RunPhase(int* dx, int* /*dy*/) {
    if (phase == BossPhase::Leave) {
        Leave(dx);
        return;
    }
    if (phaseTimer != phaseLength) {
        Attack();
        return;
    }
    if (attack->next == BossPhase::Leave) {
        // The boss already starts to fly out in the frame of the switch.
        StartLeave();
        Leave(dx);
    } else {
        // The next attack phase takes its first step in the next frame.
        StartAttack(AttackOf(attack->next));
    }
}

void Boss::Attack() {
    pattern = attack->burst->key;
    if (phaseTimer % attack->cadence == 0 && phaseTimer < attack->firingWindow) {
        FireWithTurn();
    }
    Animate(description.attackAnimationPeriod);
    ++phaseTimer;
}

void Boss::FireWithTurn() {
    switch (attack->turn) {
        case SpinTurn::None:
            FireBurst();
            break;
        case SpinTurn::StepAfterBurst:
            FireBurst();
            TurnSpin();
            break;
        case SpinTurn::StepBeforeBurst:
        case SpinTurn::SwingBeforeBurst:
            TurnSpin();
            FireBurst();
            break;
    }
}

void Boss::TurnSpin() {
    // Past 359 the spin turns back by reflection: 377 becomes -17.
    if (spinAngle > 359) {
        spinAngle = 360 - spinAngle;
    }
    if (attack->turn == SpinTurn::SwingBeforeBurst) {
        spinAngle += RandomBelow(9) * spinDirection;
        spinDirection = -spinDirection;
    } else {
        spinAngle += attack->spinStep;
    }
}

void Boss::Leave(int* dx) {
    // Once its length has run, the boss stops and stays, long out of play.
    if (phaseTimer == phaseLength) {
        return;
    }
    Animate(description.leave.animationPeriod);
    *dx = description.leave.dx;
    ++phaseTimer;
}

void Boss::StartAttack(const AttackPhase& next) {
    attack = &next;
    spinAngle = 0;
    EnterPhase(next.phase, next.length);
}

void Boss::StartLeave() {
    EnterPhase(BossPhase::Leave, description.leave.length);
}

void Boss::EnterPhase(BossPhase next, int length) {
    phase = next;
    phaseTimer = 0;
    phaseLength = length;
    TRACE("boss %s phase %d", description.name, static_cast<int>(next));
}

void Boss::Animate(int period) {
    if (period > 0 && phaseTimer % period == 0) {
        frame = frame == 0 ? 1 : 0;
    }
}

const AttackPhase& Boss::AttackOf(BossPhase attackPhase) const {
    for (int i = 0; i < description.attackCount; ++i) {
        if (description.attacks[i].phase == attackPhase) {
            return description.attacks[i];
        }
    }
    return description.attacks[0];
}

const Burst* Boss::BurstOf(int key) const {
    for (int i = 0; i < description.attackCount; ++i) {
        if (description.attacks[i].burst->key == key) {
            return description.attacks[i].burst;
        }
    }
    return nullptr;
}

void Boss::FireBurst() {
    const Burst* burst = BurstOf(pattern);
    if (!burst) {
        return;  // no burst before the first attack phase
    }
    const Rect at = GetRect();
    const int originX = at.x + burst->offsetX;
    const int originY = at.y + burst->offsetY;
    const Rect box = MakeRect(originX, originY, ShotSize, ShotSize);
    const BurstDraw shared = burst->drawShared ? burst->drawShared(&burstCycle) : BurstDraw();
    int slot = -1;
    for (int k = 0; k < burst->shotCount; ++k) {
        slot = shots.FirstFree(slot + 1);
        if (slot < 0) {
            // Out of slots: the rest of the burst is not created, and
            // nothing is heard of it.
            TRACE("boss %s burst cut short: %d of %d shots", description.name, k, burst->shotCount);
            return;
        }
        const ShotPlan plan = burst->planShot(k, spinAngle, shared);
        Shot* shot = new Shot(screen, shotImages[plan.first].get(), shotImages[plan.second].get(),
                              box, burst->trajectory);
        shot->SetPath(originX, originY, SpawnRadius, plan.angle, plan.angleStep, plan.radiusStep,
                      plan.phaseFrames, plan.releaseFrame);
        shots.Put(slot, shot);
    }
    PlaySound(EnemyShotChannel, shotSound.get());
}
