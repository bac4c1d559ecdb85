// SPDX-License-Identifier: MIT
#include "tests/BlitLog.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// While no test reads them, the stand-ins below only pass calls on.
bool logging = false;
std::vector<Blit> blits;
std::vector<SDL_Surface*> loads;

}  // namespace

// The game blits and converts through SDL's own entry points; these stand in
// front of the library's and hand every call on to it.
extern "C" int SDL_UpperBlit(SDL_Surface* src, SDL_Rect* part, SDL_Surface* dst, SDL_Rect* to) {
    static const auto real =
        reinterpret_cast<decltype(&SDL_UpperBlit)>(dlsym(RTLD_NEXT, "SDL_UpperBlit"));
    if (logging) {
        const SDL_Rect p = part ? *part : SDL_Rect{0, 0, Uint16(src->w), Uint16(src->h)};
        blits.push_back({src, p.x, p.w, p.h, to ? to->x : 0, to ? to->y : 0});
    }
    return real(src, part, dst, to);
}

extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    static const auto real =
        reinterpret_cast<decltype(&SDL_DisplayFormat)>(dlsym(RTLD_NEXT, "SDL_DisplayFormat"));
    SDL_Surface* converted = real(surface);
    if (logging) {
        loads.push_back(converted);
    }
    return converted;
}

DrawnTest::DrawnTest() : audioDriverNamed(setenv("SDL_AUDIODRIVER", "dummy", 1) == 0) {
    logging = true;
}

DrawnTest::~DrawnTest() {
    logging = false;
    blits.clear();
    loads.clear();
}

std::vector<SDL_Surface*> DrawnTest::CutLoads() {
    blits.clear();
    return std::exchange(loads, {});
}

std::vector<Blit> DrawnTest::CutBlits(const std::vector<SDL_Surface*>& sources) {
    std::vector<Blit> kept;
    std::copy_if(blits.begin(), blits.end(), std::back_inserter(kept), [&](const Blit& b) {
        return std::find(sources.begin(), sources.end(), b.source) != sources.end();
    });
    blits.clear();
    return kept;
}

std::vector<int> DrawnTest::CutDrawn(const std::vector<SDL_Surface*>& sources) {
    std::vector<int> drawn;
    for (const Blit& b : CutBlits(sources)) {
        drawn.push_back(std::find(sources.begin(), sources.end(), b.source) - sources.begin());
    }
    return drawn;
}

std::vector<int> DrawnTest::Draws(unsigned seed) {
    std::srand(seed);
    std::vector<int> draws(14);
    std::generate(draws.begin(), draws.end(), std::rand);
    std::srand(seed);
    return draws;
}
