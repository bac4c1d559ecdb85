// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/LiveCount.h"
#include "gfx/Rect.h"
#include "shots/Shot.h"

// The same three states in every enemy kind, bosses included.
enum class EnemyState : Sint32 {
    Normal = 0,     // flying, drawn with its normal frames
    Hit = 1,        // took damage this frame: drawn once with its hit frames
    Destroyed = 2,  // out of hit points or out of the playfield
};

// Every hostile object: the regular enemies of the waves and the bosses. The
// Game drives them only through this interface and the base's accessors.
class Enemy {
public:
    Enemy(Rect rect, int halfWidth, int halfHeight, int appearTime, int score);
    virtual ~Enemy();

    // One frame: behaviour, drawing, shots. False once the enemy is
    // finished and may be deleted.
    virtual bool Update() = 0;
    // Tests the hero's shots against this enemy and applies the damage of
    // the first that hits; returns its slot, or -1.
    virtual int TestHits(Shot** heroShots, int count) = 0;
    virtual bool IsDestroyed() = 0;
    virtual Shot** GetShots() = 0;
    virtual int GetShotSlotCount() = 0;
    // No kind reacts to the keyboard; the Game never calls it.
    virtual void HandleKeys(Uint8* keys) = 0;

    void Move(int dx, int dy) { MoveRect(rect, dx, dy); }
    Rect GetRect() const { return rect; }
    int GetHalfWidth() const { return halfWidth; }
    int GetHalfHeight() const { return halfHeight; }
    int GetScore() const { return score; }
    int GetAppearTime() const { return appearTime; }
    // True from the enemy's appear time on, across the clock's wraps.
    bool HasAppeared(Uint32 now) const;
    // The first hero shot, in slot order, that overlaps the hit box: its
    // slot, or -1. Changes nothing.
    int FindHit(Shot** shots, int count) const;
    // FindHit, then the damage of that shot taken from hitPoints: the shot's
    // slot, or -1 with hitPoints unchanged.
    int TakeFirstHit(Shot** shots, int count, int* hitPoints) const;

private:
    Rect rect;
    int halfWidth;
    int halfHeight;
    int appearTime;
    int score;
    CountedLife<Held::Enemy> counted;
};
