// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "app/FramePacer.h"
#include "app/Joystick.h"
#include "app/Levels.h"
#include "app/PlayObserver.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyBank.h"
#include "gfx/Background.h"
#include "gfx/Hud.h"
#include "gfx/Image.h"
#include "gfx/Sound.h"
#include "hero/Hero.h"

// Every enemy and boss of the game has a slot; the final boss holds the last.
constexpr int EnemySlotCount = 502;
constexpr int FinalBossSlot = EnemySlotCount - 1;

// Everything that lives during one play-through: created, in a fixed order,
// before the first frame, and released when the play-through ends.
class PlayThrough {
public:
    PlayThrough(SDL_Surface* screen, int framePeriodMs, PlayObserver* observer);
    ~PlayThrough();
    PlayThrough(const PlayThrough&) = delete;
    PlayThrough& operator=(const PlayThrough&) = delete;

    // Runs the frame loop to its end and fades the music out.
    PlayEnding Play();
    // The newspaper and summary after a victory, the game-over picture after
    // the last life; nothing after a quit.
    void ShowEndScreens(PlayEnding ending);

    int TotalScore() const { return totalScore; }

private:
    bool RunFrame();
    void ReadEvents();
    void ScrollBackground(Uint32 elapsed);
    void HitsOnHero();
    void HeroShotsOnEnemies();
    void UpdateEnemies();
    void AnnounceNewEnemies();
    bool IsActive(int slot) const;
    PlayView View() const;

    SDL_Surface* screen;     // borrowed
    PlayObserver* observer;  // may be null

    SurfacePtr loadingPicture;
    SurfacePtr summaryPicture;
    SurfacePtr newspaperPicture;
    SurfacePtr gameOverPicture;
    MusicPtr openingTrack;
    MusicPtr followingTrack;
    std::unique_ptr<Joystick> joystick;
    std::unique_ptr<Background> backgrounds[LevelCount];
    std::unique_ptr<FramePacer> pacer;
    std::unique_ptr<Hud> hud;
    std::unique_ptr<Hero> hero;
    std::unique_ptr<EnemyBank> bank;
    std::vector<Enemy*> enemySlots;  // owning; a slot, once null, stays null

    Uint32 now = 0;
    Uint32 playStart = 0;
    int frame = 0;
    bool firstPollDone = false;
    bool quitRequested = false;
    bool victory = false;
    int totalScore = 0;
    BackgroundChoice shownBackground = {-1, 0};
    std::vector<bool> announced;  // for the trace only
};
