// SPDX-License-Identifier: MIT
#include "app/PlayThrough.h"

#include <SDL_mixer.h>

#include "app/EndScreens.h"
#include "app/EnemySchedule.h"
#include "platform/Platform.h"
#include "platform/Trace.h"

namespace {

// The ship starts near the horizontal middle of the playfield, near the
// bottom of the screen.
constexpr int HeroLives = 6;
constexpr int HeroShotSlots = 60;
constexpr int HeroExplosionFrameTimeMs = 20;
constexpr int HeroExplosionFrames = 16;
constexpr int HeroExplosionFrameSize = 64;

// Enemies are timed from a moment 6 s after the loading starts; play itself
// starts after a 1.5 s lead-in with the opening music.
constexpr Uint32 ScheduleLeadMs = 6000;

}  // namespace

PlayThrough::PlayThrough(SDL_Surface* screen, int framePeriodMs, PlayObserver* observer)
    : screen(screen), observer(observer) {
    loadingPicture = LoadOpaqueImage("./Images/Panorama/Loading.png");
    summaryPicture = LoadOpaqueImage("./Images/Panorama/Bilan.png");
    newspaperPicture = LoadOpaqueImage("./Images/Panorama/Journal.png");
    gameOverPicture = LoadOpaqueImage("./Images/Panorama/GameOver.png");
    // The loading picture stays up until the first frame of play.
    DrawSurface(loadingPicture.get(), screen, MakeRect(0, 0, 0, 0));
    SDL_Flip(screen);

    openingTrack = LoadMusic("Sound/Good_Bye.ogg");
    followingTrack = LoadMusic("Sound/Boss.ogg");

    joystick = std::make_unique<Joystick>();
    for (int row = 0; row < LevelCount; ++row) {
        const LevelRow& level = LevelTable[row];
        backgrounds[row] =
            std::make_unique<Background>(screen, level.image, level.scrollKind, level.start);
    }
    pacer = std::make_unique<FramePacer>(Platform::GetTicks(), static_cast<Uint32>(framePeriodMs));
    hud = std::make_unique<Hud>(screen);
    hero = std::make_unique<Hero>(screen, MakeRect(Hero::StartX, Hero::StartY, 36, 33), HeroLives,
                                  HeroShotSlots, HeroExplosionFrameTimeMs, HeroExplosionFrames,
                                  HeroExplosionFrameSize, HeroExplosionFrameSize);
    bank = std::make_unique<EnemyBank>();

    enemySlots.assign(EnemySlotCount, nullptr);
    FillEnemySlots(enemySlots.data(), screen, bank.get(), Platform::GetTicks() + ScheduleLeadMs);
    announced.assign(EnemySlotCount, false);

    Platform::Delay(1000);
    Mix_PlayMusic(openingTrack.get(), 0);
    Platform::Delay(500);

    playStart = Platform::GetTicks();
    firstPollDone = false;
    quitRequested = false;
    victory = false;
    totalScore = 0;
}

PlayThrough::~PlayThrough() {
    summaryPicture.reset();
    newspaperPicture.reset();
    gameOverPicture.reset();
    for (auto& background : backgrounds) {
        background.reset();
    }
    pacer.reset();
    hud.reset();
    hero.reset();
    joystick.reset();
    // Enemies never touch the bank's media in their destructors, so the
    // bank may go first.
    bank.reset();
    for (Enemy*& enemy : enemySlots) {
        delete enemy;
        enemy = nullptr;
    }
    loadingPicture.reset();
    openingTrack.reset();
    followingTrack.reset();
}

PlayView PlayThrough::View() const {
    return PlayView{frame,          now,        now - playStart,
                    screen,         hero.get(), enemySlots.data(),
                    EnemySlotCount, totalScore};
}

PlayEnding PlayThrough::Play() {
    TRACE("play starts");
    if (observer) {
        observer->PlayStarted(View());
    }
    while (RunFrame()) {
    }
    // A last life lost in the frame in which the final boss finished still
    // wins.
    const PlayEnding ending = victory         ? PlayEnding::Victory
                              : quitRequested ? PlayEnding::Quit
                                              : PlayEnding::GameOver;
    TRACE("play ends: %s, score %d, lives %d",
          ending == PlayEnding::Victory ? "victory"
          : ending == PlayEnding::Quit  ? "quit"
                                        : "game over",
          totalScore, hero->GetLives());
    if (observer) {
        observer->PlayEnded(ending, View());
    }
    Mix_FadeOutMusic(1000);
    Platform::Delay(1000);
    return ending;
}

bool PlayThrough::RunFrame() {
    now = Platform::GetTicks();
    ++frame;
    if (observer) {
        observer->FrameStarted(View());
    }
    ReadEvents();
    if (quitRequested) {
        return false;  // before anything is drawn
    }
    JoystickState* stick = joystick->Read();
    const Uint8* keys = Platform::GetKeyState();

    ScrollBackground(now - playStart);
    if (Trace::Enabled()) {
        AnnounceNewEnemies();
    }
    // Hit tests use where everything was drawn last frame: all movement
    // happens below.
    if (!hero->IsInvulnerable()) {
        HitsOnHero();
    }
    HeroShotsOnEnemies();
    hero->Fire(keys, stick);
    hero->Move(keys, stick);
    hero->Update();
    UpdateEnemies();
    hud->Draw(hero->GetLives());
    SDL_Flip(screen);
    if (observer) {
        observer->FrameDrawn(View());
    }

    // The opening track plays once; from its end on the following track is
    // started again whenever it stops.
    if (!Mix_PlayingMusic()) {
        Mix_PlayMusic(followingTrack.get(), 0);
    }
    pacer->Wait(Platform::GetTicks());

    if (hero->IsOutOfLives()) {
        Platform::Delay(1000);
        return false;
    }
    return !victory;
}

void PlayThrough::ReadEvents() {
    SDL_Event event;
    while (Platform::PollEvent(&event)) {
        // An ESC still queued from the title screen, or pressed in the first
        // frame, does not end the play-through; the window's quit request
        // never does.
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE && firstPollDone) {
            quitRequested = true;
        }
    }
    firstPollDone = true;
}

void PlayThrough::ScrollBackground(Uint32 elapsed) {
    const BackgroundChoice choice = ChooseBackground(elapsed);
    if (choice.row != shownBackground.row || choice.speed != shownBackground.speed) {
        TRACE("background %s at %d px per frame", LevelTable[choice.row].name, choice.speed);
        shownBackground = choice;
    }
    backgrounds[choice.row]->Scroll(choice.speed);
}

bool PlayThrough::IsActive(int slot) const {
    return enemySlots[slot] && enemySlots[slot]->HasAppeared(now);
}

void PlayThrough::AnnounceNewEnemies() {
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        if (!announced[slot] && IsActive(slot)) {
            announced[slot] = true;
            const Rect r = enemySlots[slot]->GetRect();
            TRACE("enters slot %d %s at (%d, %d)", slot, ScheduledKindName(slot), r.x, r.y);
        }
    }
}

void PlayThrough::HitsOnHero() {
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        if (!IsActive(slot)) {
            continue;
        }
        Enemy* enemy = enemySlots[slot];
        hero->CheckShotHits(enemy->GetShots(), enemy->GetShotSlotCount());
        if (hero->IsInvulnerable()) {
            return;
        }
        // A destroyed enemy no longer rams, though its shots still fly.
        if (!enemy->IsDestroyed()) {
            hero->CheckBodyHit(enemy->GetRect(), enemy->GetHalfWidth(), enemy->GetHalfHeight());
        }
        if (hero->IsInvulnerable()) {
            return;
        }
    }
}

void PlayThrough::HeroShotsOnEnemies() {
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        if (!IsActive(slot)) {
            continue;
        }
        Enemy* enemy = enemySlots[slot];
        Trace::SetSubject(slot);
        const int shot = enemy->TestHits(hero->GetShots(), hero->GetShotSlotCount());
        if (shot == -1) {
            continue;
        }
        hero->DestroyShot(shot);
        // A destroyed enemy reports no further hits, so it scores once.
        if (enemy->IsDestroyed()) {
            totalScore += enemy->GetScore();
            TRACE("kill slot %d %s: %d points, total %d", slot, ScheduledKindName(slot),
                  enemy->GetScore(), totalScore);
        }
    }
}

void PlayThrough::UpdateEnemies() {
    for (int slot = 0; slot < EnemySlotCount; ++slot) {
        if (!IsActive(slot)) {
            continue;
        }
        Trace::SetSubject(slot);
        if (!enemySlots[slot]->Update()) {
            delete enemySlots[slot];
            enemySlots[slot] = nullptr;
            TRACE("finished slot %d %s", slot, ScheduledKindName(slot));
            if (slot == FinalBossSlot) {
                victory = true;
                TRACE("victory");
            }
        }
    }
}

void PlayThrough::ShowEndScreens(PlayEnding ending) {
    if (ending == PlayEnding::Victory) {
        ShowVictoryScreens(screen, newspaperPicture.get(), summaryPicture.get(), hero.get(),
                           totalScore, observer);
    } else if (ending == PlayEnding::GameOver) {
        ShowGameOverScreen(screen, gameOverPicture.get(), observer);
    }
}
