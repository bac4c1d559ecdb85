// SPDX-License-Identifier: MIT
#include "bosses/Boss.h"

#include "enemies/EnemyDrawing.h"
#include "gfx/Playfield.h"
#include "platform/Trace.h"

namespace {

// Every boss explodes in the same strip of 16 cells of 192 x 192, 60 ms each.
const KeyedImageFile ExplosionStripFile = {"./Images/Explosions/Explosion_192.png", 0, 1, 1};
constexpr int ExplosionCellSize = 192;
constexpr int ExplosionCellCount = 16;
constexpr int ExplosionPeriodMs = 60;

// A boss stays in play down to here, well below the screen's bottom edge.
constexpr int BandBottom = 640;

const char* const ShotImageFiles[ShotImageCount] = {
    "./Images/Tirs/Tir1_Rouge_Ennemi.bmp",  "./Images/Tirs/Tir1a_Rouge_Ennemi.bmp",
    "./Images/Tirs/Tir1_Bleu_Ennemi.bmp",   "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp",
    "./Images/Tirs/Tir1_Vert_Ennemi.bmp",   "./Images/Tirs/Tir1a_Vert_Ennemi.bmp",
    "./Images/Tirs/Tir1_Violet_Ennemi.bmp", "./Images/Tirs/Tir1a_Violet_Ennemi.bmp",
    "./Images/Tirs/Tir1_Cercle_Ennemi.bmp", "./Images/Tirs/Tir1_Cercle_Ennemi.bmp",
    "./Images/Tirs/Tir1_Glace_Ennemi.bmp",  "./Images/Tirs/Tir1a_Glace_Ennemi.bmp",
};

SurfacePtr Load(const KeyedImageFile& file) {
    return LoadKeyedImage(file.path, file.r, file.g, file.b);
}

// Loaded one after the other, even where both are the same file: each
// image keeps a surface of its own.
std::array<SurfacePtr, 2> LoadPair(const KeyedImageFile (&files)[2]) {
    return {Load(files[0]), Load(files[1])};
}

std::array<SurfacePtr, ShotImageCount> LoadShotImages() {
    std::array<SurfacePtr, ShotImageCount> images;
    for (int i = 0; i < ShotImageCount; ++i) {
        images[i] = LoadKeyedImage(ShotImageFiles[i], 0, 0, 0);
    }
    return images;
}

ChunkPtr LoadOptionalSound(const char* path) {
    return path ? LoadSound(path) : ChunkPtr();
}

}  // namespace

Boss::Boss(SDL_Surface* screen, Rect rect, int halfWidth, int halfHeight, int appearTime,
           const BossDescription& description)
    : Enemy(rect, halfWidth, halfHeight, appearTime, description.points),
      description(description),
      screen(screen),
      hitPoints(description.hitPoints),
      frames(LoadPair(description.frames)),
      flashFrames(LoadPair(description.flashFrames)),
      explosionStrip(Load(ExplosionStripFile)),
      shotImages(LoadShotImages()),
      explosionSound(LoadSound("Sound/Explosion_Boss.wav")),
      arrivalSound(LoadOptionalSound(description.arrivalSound)),
      shotSound(LoadSound("Sound/Shot1.wav")),
      death(explosionStrip.get(), ExplosionCellSize, ExplosionCellSize, ExplosionCellCount,
            ExplosionPeriodMs, explosionSound.get()),
      shots(ShotSlotCount),
      phaseLength(description.approach.length) {}

bool Boss::Update() {
    // A boss destroyed by hits stands still and holds its fire; one that
    // flew out of play still has hit points and keeps going.
    if (hitPoints > 0) {
        Behave();
    }
    const bool shotsPending = description.finishWaitsForShots && shots.AnyOccupied();
    const bool keep = Draw(shotsPending);
    shots.UpdateAll();
    return keep;
}

bool Boss::Draw(bool shotsPending) {
    return DrawByState(&state, frames[frame].get(), flashFrames[frame].get(), &death, screen,
                       GetRect(), shotsPending);
}

int Boss::TestHits(Shot** heroShots, int count) {
    if (state == EnemyState::Destroyed) {
        return -1;
    }
    const int slot = TakeFirstHit(heroShots, count, &hitPoints);
    if (slot == -1) {
        return -1;
    }
    // Every hero shot that reaches the hit box does its damage, whatever
    // its colour.
    TRACE("hit slot %d, %d hit points left", Trace::Subject(), hitPoints);
    if (hitPoints > 0) {
        state = EnemyState::Hit;
    } else {
        // No flash for the last hit: the explosion starts instead.
        state = EnemyState::Destroyed;
        death.Begin();
        TRACE("boss %s destroyed", description.name);
    }
    return slot;
}

void Boss::Behave() {
    const Rect before = GetRect();
    int dx = 0;
    int dy = 0;
    if (phase == BossPhase::Approach) {
        Approach(&dx, &dy);
    } else {
        RunPhase(&dx, &dy);
    }
    Move(dx, dy);
    TakeOutIfOutside(before);
}

void Boss::TakeOutIfOutside(Rect before) {
    // The band is the playfield strip reaching below the screen. Touching
    // it counts as inside, so a boss placed on its edge is not lost on its
    // first frame.
    const bool outside = before.x + before.w < PlayfieldLeft || before.x > PlayfieldRight ||
                         before.y > BandBottom || before.y + before.h < PlayfieldTop;
    if (!outside) {
        return;
    }
    death.SkipToEnd();
    state = EnemyState::Destroyed;
    if (!leftPlayfield) {
        leftPlayfield = true;
        TRACE("boss %s left the playfield", description.name);
    }
}
