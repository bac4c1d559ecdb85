// SPDX-License-Identifier: MIT
#include "hero/Hero.h"

#include <cstdlib>

#include "gfx/Playfield.h"
#include "gfx/Ticks.h"
#include "platform/Platform.h"
#include "platform/Trace.h"

namespace {

struct ShipImageFile {
    const char* path;
    Uint8 r, g, b;
};

// One file per pose; level, up and down share the plain ship.
const ShipImageFile NormalShipFiles[5] = {
    {"./Images/Heros/Corvanel.png", 255, 0, 255},
    {"./Images/Heros/Corvanel.png", 255, 0, 255},
    {"./Images/Heros/Corvanel.png", 255, 0, 255},
    {"./Images/Heros/Corvanel_Gauche.png", 255, 0, 255},
    {"./Images/Heros/Corvanel_Droite.png", 255, 0, 255},
};
const ShipImageFile HitShipFiles[5] = {
    {"./Images/Heros/Corvanel_Touche.png", 255, 59, 255},
    {"./Images/Heros/Corvanel_Touche.png", 255, 59, 255},
    {"./Images/Heros/Corvanel_Touche.png", 255, 59, 255},
    {"./Images/Heros/Corvanel_Touche_Gauche.png", 255, 59, 255},
    {"./Images/Heros/Corvanel_Touche_Droite.png", 255, 59, 255},
};

constexpr int FullTilt = 6;
constexpr int AnimationPeriod = 7;
constexpr int RecoveryUpdates = 100;
constexpr int ReentryTopY = 410;
constexpr int BonusFrames = 20;
constexpr Uint32 ShotIntervalMs = 60;  // a shot needs strictly more than this

SurfacePtr LoadShipImage(const ShipImageFile& file) {
    return LoadKeyedImage(file.path, file.r, file.g, file.b);
}

}  // namespace

Hero::Hero(SDL_Surface* screen, Rect start, int lives, int shotSlotCount, int explosionFrameTimeMs,
           int explosionFrameCount, int explosionFrameWidth, int explosionFrameHeight)
    : screen(screen),
      rect(start),
      lives(lives),
      shots(shotSlotCount),
      explosion(nullptr, explosionFrameWidth, explosionFrameHeight, explosionFrameCount,
                explosionFrameTimeMs) {
    for (int pose = 0; pose < 5; ++pose) {
        for (SurfacePtr& image : normalImages[pose].image) {
            image = LoadShipImage(NormalShipFiles[pose]);
        }
    }
    for (int pose = 0; pose < 5; ++pose) {
        for (SurfacePtr& image : hitImages[pose].image) {
            image = LoadShipImage(HitShipFiles[pose]);
        }
    }
    explosionStrip = LoadKeyedImage("./Images/Heros/Heros_Explosion.png", 0, 0, 0);
    explosion = StripPlayback(explosionStrip.get(), explosionFrameWidth, explosionFrameHeight,
                              explosionFrameCount, explosionFrameTimeMs);
    explosionSound = LoadSound("Sound/Explosion1_UP.wav");
    shotSound = LoadSound("Sound/Shot4.wav");
    blueShotImage = LoadKeyedImage("./Images/Heros/Heros_Tir_Bleu.png", 255, 0, 255);
    redShotImage = LoadKeyedImage("./Images/Heros/Heros_Tir_Rouge.png", 255, 0, 255);
}

void Hero::Fire(const Uint8* keys, const JoystickState* joystick) {
    if (state == HeroState::Exploding || state == HeroState::Entering) {
        return;  // the firing flag keeps its value
    }
    firing = false;
    if (!keys[SDLK_g] && !joystick->fire) {
        return;
    }
    // Holding fire slows the ship even when no shot leaves.
    firing = true;
    if (TicksSince(Platform::GetTicks(), lastShotTime) <= ShotIntervalMs) {
        return;
    }
    const int slot = shots.FirstFree();
    if (slot < 0) {
        return;  // a full pool refuses silently and keeps the last shot time
    }
    const bool red = bonusTimer > 0;
    SDL_Surface* image = red ? redShotImage.get() : blueShotImage.get();
    Shot* shot = new Shot(screen, image, image, MakeRect(rect.x + 9, rect.y - 20, 17, 41), 0, -6,
                          30, 0, -6, 30, 0, -6, 30, 0, -6, 30);
    shot->SetDamage(red ? 2 : 1);
    shots.Put(slot, shot);
    lastShotTime = Platform::GetTicks();
    PlaySound(HeroShotChannel, shotSound.get());
    TRACE("shot fired slot %d %s", slot, red ? "red" : "blue");
}

void Hero::Move(const Uint8* keys, const JoystickState* joystick) {
    if (state == HeroState::Exploding || state == HeroState::Entering) {
        return;
    }
    const int step = firing ? 2 : 3;
    bool moved = false;
    // Bounds are tested before the step, so the ship may end a step up to
    // two pixels past them.
    if ((keys[SDLK_UP] || joystick->up) && rect.y > 1) {
        MoveRect(rect, 0, -step);
        pose = HeroPose::Up;
        moved = true;
    }
    if ((keys[SDLK_DOWN] || joystick->down) && rect.y + rect.h < 481) {
        MoveRect(rect, 0, step);
        pose = HeroPose::Down;
        moved = true;
    }
    if ((keys[SDLK_LEFT] || joystick->left) && rect.x > 139) {
        MoveRect(rect, -step, 0);
        if (pose == HeroPose::Left) {
            tilt = tilt < FullTilt ? tilt + 1 : FullTilt;
        } else {
            pose = HeroPose::Left;
            tilt = 0;
        }
        moved = true;
    }
    if ((keys[SDLK_RIGHT] || joystick->right) && rect.x + rect.w < 503) {
        MoveRect(rect, step, 0);
        if (pose == HeroPose::Right) {
            tilt = tilt < FullTilt ? tilt + 1 : FullTilt;
        } else {
            pose = HeroPose::Right;
            tilt = 0;
        }
        moved = true;
    }
    if (!moved) {
        pose = HeroPose::Level;
    }
}

void Hero::Update() {
    if (bonusTimer > 0) {
        --bonusTimer;
    }
    // Shots fly on in every state; the ship is drawn over them.
    shots.UpdateAll();
    switch (state) {
        case HeroState::Flying:
            DrawShip(normalImages);
            break;
        case HeroState::Exploding:
            UpdateExplosion();
            break;
        case HeroState::Entering:
            UpdateEntering();
            break;
        case HeroState::Recovering:
            UpdateRecovering();
            break;
    }
}

void Hero::DrawShip(const ImagePair* pairs) {
    int shown = animationFrame;
    if (pose == HeroPose::Left || pose == HeroPose::Right) {
        shown = tilt == FullTilt ? 1 : 0;
    }
    DrawSurface(pairs[static_cast<int>(pose)].image[shown].get(), screen, rect);
    AdvanceAnimation();
}

void Hero::AdvanceAnimation() {
    if (animationCounter == AnimationPeriod) {
        ++animationFrame;
        animationCounter = 0;
    }
    ++animationCounter;
    if (animationFrame > 1) {
        animationFrame = 0;
    }
}

void Hero::UpdateExplosion() {
    if (!explosion.IsOver()) {
        if (explosionSoundPending) {
            PlaySound(HeroExplosionChannel, explosionSound.get());
            explosionSoundPending = false;
        }
        explosion.Step(screen, rect);
        return;
    }
    // The explosion is over. Out of lives the ship stays here; an update
    // after that (the victory screen draws the ship once more) must not
    // take another life.
    if (lives <= 0) {
        return;
    }
    --lives;
    TRACE("life lost, %d left", lives);
    if (lives > 0) {
        explosion.Restart();
        rect.x = StartX;
        rect.y = ReentryY;
        state = HeroState::Entering;
        pose = HeroPose::Level;
    }
}

void Hero::UpdateEntering() {
    if (rect.y <= ReentryTopY) {
        state = HeroState::Recovering;
        return;
    }
    MoveRect(rect, 0, -2);
    DrawSurface(hitImages[static_cast<int>(HeroPose::Level)].image[animationFrame].get(), screen,
                rect);
    AdvanceAnimation();
}

void Hero::UpdateRecovering() {
    DrawShip(hitImages);
    if (++recoveryCounter == RecoveryUpdates) {
        recoveryCounter = 0;
        state = HeroState::Flying;
        TRACE("ship back in flight");
    }
}

void Hero::Explode() {
    state = HeroState::Exploding;
    explosionSoundPending = true;
}

void Hero::CheckShotHits(Shot** enemyShots, int count) {
    if (state != HeroState::Flying) {
        return;
    }
    const int shipX = CentreX(rect);
    const int shipY = CentreY(rect);
    for (int i = 0; i < count; ++i) {
        if (!enemyShots[i]) {
            continue;
        }
        const Rect s = enemyShots[i]->GetRect();
        const int dx = std::abs(CentreX(s) - shipX);
        const int dy = std::abs(CentreY(s) - shipY);
        if (dx < s.w / 2 + 15 + hitMarginX && dy < s.h / 2 + 10 + hitMarginY) {
            bonusTimer = BonusFrames;
        }
        // Only the shot's size counts: the ship's centre must lie well
        // inside the shot's box.
        if (dx < s.w / 2 - 1 && dy < s.h / 2 - 1) {
            Explode();
            TRACE("ship hit by a shot");
            return;
        }
    }
}

void Hero::CheckBodyHit(Rect enemy, int marginX, int marginY) {
    if (state != HeroState::Flying) {
        return;
    }
    const int dx = std::abs(CentreX(enemy) - CentreX(rect));
    const int dy = std::abs(CentreY(enemy) - CentreY(rect));
    if (dx < marginX + hitMarginX && dy < marginY + hitMarginY) {
        Explode();
        TRACE("ship hit by a body");
    }
}
