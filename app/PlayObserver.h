// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

class Enemy;
class Hero;

// What a play-through looks like at one moment, for whoever watches it.
struct PlayView {
    int frame;       // 1 for the first frame of play
    Uint32 now;      // the frame's clock reading
    Uint32 elapsed;  // since play started
    SDL_Surface* screen;
    const Hero* hero;
    Enemy* const* enemySlots;
    int enemySlotCount;
    int totalScore;
};

enum class PlayEnding { Quit, GameOver, Victory };
enum class EndScreen { GameOver, Newspaper, Summary };

// Watches a play-through without taking part: the simulator takes its
// screenshots, drives its input and times its frames through this. The game
// itself runs without one.
class PlayObserver {
public:
    virtual ~PlayObserver() = default;
    // Just before the first frame.
    virtual void PlayStarted(const PlayView&) {}
    // At the top of a frame, once its clock has been read.
    virtual void FrameStarted(const PlayView&) {}
    // Once a frame has been drawn and flipped, before the pacer waits.
    virtual void FrameDrawn(const PlayView&) {}
    // When the frame loop has ended, before the end screens.
    virtual void PlayEnded(PlayEnding, const PlayView&) {}
    // An end screen is on the display and waits for a key.
    virtual void EndScreenShown(EndScreen, SDL_Surface*) {}
};
