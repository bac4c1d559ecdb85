// SPDX-License-Identifier: MIT
#include "app/EndScreens.h"

#include <cstdio>

#include "app/PlayObserver.h"
#include "gfx/BitmapFont.h"
#include "gfx/Image.h"
#include "hero/Hero.h"
#include "platform/Platform.h"
#include "platform/Trace.h"

namespace {

// Where the rank line goes on the summary picture.
constexpr int RankTextX = 260;
constexpr int RankTextY = 160;

// The end screens are modal: nothing runs until RETURN or ESC is pressed.
// Keys held down from play give no new key-down event, so they cannot skip
// a screen. Between polls the wait sleeps rather than spinning a core.
void WaitForReturnOrEscape() {
    constexpr Uint32 PollIntervalMs = 10;
    for (;;) {
        SDL_Event event;
        while (Platform::PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN &&
                (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_ESCAPE)) {
                return;
            }
        }
        Platform::Delay(PollIntervalMs);
    }
}

void ShowAndWait(SDL_Surface* screen, EndScreen which, PlayObserver* observer) {
    SDL_Flip(screen);
    if (observer) {
        observer->EndScreenShown(which, screen);
    }
    WaitForReturnOrEscape();
}

}  // namespace

char RankLetter(int totalScore) {
    if (totalScore < 1200) {
        return 'E';
    }
    if (totalScore < 1600) {
        return 'D';
    }
    if (totalScore < 2000) {
        return 'C';
    }
    if (totalScore < 2400) {
        return 'B';
    }
    return 'A';
}

void ShowVictoryScreens(SDL_Surface* screen, SDL_Surface* newspaper, SDL_Surface* summary,
                        Hero* hero, int totalScore, PlayObserver* observer) {
    DrawSurface(newspaper, screen, MakeRect(0, 0, 0, 0));
    hero->Update();  // the ship, and any shots it still has, over the paper
    SDL_Flip(screen);
    if (observer) {
        observer->EndScreenShown(EndScreen::Newspaper, screen);
    }
    Platform::Delay(3000);

    // The font lives only while the summary is up. Without it the summary
    // shows without the rank line rather than stopping the game.
    BitmapFont* font = BitmapFont::FromFile("./Images/Font/font03.png");
    char rankLine[16];
    std::snprintf(rankLine, sizeof rankLine, "RANK %c", RankLetter(totalScore));
    SurfacePtr rendered(font ? RenderTextSurface(font, rankLine) : nullptr);
    SurfacePtr converted;
    if (rendered) {
        SDL_SetColorKey(rendered.get(), SDL_SRCCOLORKEY, SDL_MapRGB(rendered->format, 0, 0, 0));
        converted.reset(SDL_DisplayFormat(rendered.get()));
    }
    DrawSurface(summary, screen, MakeRect(0, 0, 0, 0));
    if (converted) {
        DrawSurface(converted.get(), screen, MakeRect(RankTextX, RankTextY, 0, 0));
        TRACE("summary shows %s", rankLine);
    }
    ShowAndWait(screen, EndScreen::Summary, observer);
    converted.reset();
    rendered.reset();
    if (font) {
        BitmapFont::Release(font);
    }
}

void ShowGameOverScreen(SDL_Surface* screen, SDL_Surface* gameOver, PlayObserver* observer) {
    DrawSurface(gameOver, screen, MakeRect(0, 0, 0, 0));
    ShowAndWait(screen, EndScreen::GameOver, observer);
}
