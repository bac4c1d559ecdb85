// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

class Hero;
class PlayObserver;

// The rank letter of a won game, "E" below 1200 points up to "A" from 2400.
char RankLetter(int totalScore);

// The newspaper for 3 s with the ship drawn over it, then the summary with
// the rank until RETURN or ESC.
void ShowVictoryScreens(SDL_Surface* screen, SDL_Surface* newspaper, SDL_Surface* summary,
                        Hero* hero, int totalScore, PlayObserver* observer);

// The game-over picture until RETURN or ESC.
void ShowGameOverScreen(SDL_Surface* screen, SDL_Surface* gameOver, PlayObserver* observer);
