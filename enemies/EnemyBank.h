// SPDX-License-Identifier: MIT
#pragma once

#include "gfx/Image.h"
#include "gfx/Sound.h"

// The five regular enemy kinds, in the order the bank holds their media.
enum class EnemyKind { Piaf = 0, AirBlade = 1, DarkAvionDuo = 2, Missile = 3, DarkMetroid = 4 };
constexpr int EnemyKindCount = 5;

// One kind's pictures and sounds, shared by every enemy of that kind.
struct EnemyMedia {
    SurfacePtr frames[2];     // drawn while Normal
    SurfacePtr hitFrames[2];  // drawn for the one frame of Hit
    SurfacePtr explosion;     // a strip of frames side by side
    ChunkPtr explosionSound;
    ChunkPtr shotSound;
    SurfacePtr shotImageA;
    SurfacePtr shotImageB;
};

// Regular enemies come in hundreds, so their media are loaded once per
// play-through, here, and borrowed by every enemy; enemies never free them.
class EnemyBank {
public:
    EnemyBank();

    const EnemyMedia& Media(EnemyKind kind) const { return media[static_cast<int>(kind)]; }

private:
    EnemyMedia media[EnemyKindCount];
};
