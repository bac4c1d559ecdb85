// SPDX-License-Identifier: MIT
#pragma once

// Listens on the wire between the game and SDL: while a CallLog lives, every
// colour key set, blit onto the display, flip, music and sound call and seed
// of rand adds one line, in the order the game makes them; the calls then go
// on to SDL unchanged, but for a fade, which stops the music at once
// (CallLog.cpp says why). Surfaces, sounds and tracks are named by the file
// they were loaded from ("./Images/Jauge/P1.png"), other surfaces by their
// size ("60x14"). Lines:
//   key <file> <flags> <r>,<g>,<b>      SDL_SetColorKey (flags in hex)
//   blit <surface> <x>,<y>[ from <x>,<y>]   SDL_UpperBlit: where it goes, and
//                                       the source corner when not whole
//   flip <ms>                           SDL_Flip, at the virtual time
//   music <file> loops <n> <ms>         Mix_PlayMusic
//   fade <fade ms> <ms>                 Mix_FadeOutMusic
//   sound <file> channel <c> loops <n> ticks <t>   Mix_PlayChannelTimed
//   srand                               srand
//   mode <w>x<h>x<bits> <flags>         SDL_SetVideoMode (flags in hex)
// With Shown, the log also keeps a copy of the display at each flip: what
// the player saw, whatever is drawn after it.
// Tests add lines of their own with Note, to see where their calls fall.
#include <SDL.h>

#include <string>
#include <vector>

#include "gfx/Image.h"

// Other listeners on the same wire, for tests that keep their own record:
// while set, each is told of every blit (before SDL clips its rectangles)
// and of every picture converted for the display.
namespace CallHooks {
extern void (*blitted)(SDL_Surface* source, const SDL_Rect* part, const SDL_Rect* to);
extern void (*converted)(SDL_Surface* picture);
}  // namespace CallHooks

class CallLog {
public:
    enum Kind { Keys = 1, Blits = 2, Flips = 4, Music = 8, Sounds = 16, Seeds = 32, All = 63 };
    enum { Shown = 64, Modes = 128 };

    explicit CallLog(int kinds = All);
    ~CallLog();
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    // Adds a line of the test's own, when a log listens.
    static void Note(const std::string& line);

    // The lines that start with the prefix, in order.
    std::vector<std::string> Starting(const std::string& prefix) const;
    // The file a picture, sound or track was loaded from, or "unnamed".
    static std::string Named(const void* thing);

    std::vector<std::string> lines;
    std::vector<SurfacePtr> shown;  // the display at each flip, with Shown
    int kinds;
    // 0 or 1: what Mix_PlayingMusic answers instead of asking the mixer.
    int musicPlaying = -1;
};
