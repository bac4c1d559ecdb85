// SPDX-License-Identifier: MIT
#include "tests/BlitLog.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Null while no test reads the log: then the wrappers only pass through.
struct Log {
    std::vector<Blit> blits;
    std::vector<SDL_Surface*> loads;
};
Log* open = nullptr;

template <class Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool NameDummyAudio() {
    return setenv("SDL_AUDIODRIVER", "dummy", 1) == 0;
}

}  // namespace

// The game blits and converts through SDL's own entry points; these stand in
// front of the library's and hand every call on to it.
extern "C" int SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst,
                             SDL_Rect* dstrect) {
    static const auto real =
        Real<int (*)(SDL_Surface*, SDL_Rect*, SDL_Surface*, SDL_Rect*)>("SDL_UpperBlit");
    if (open) {
        const SDL_Rect part = srcrect ? *srcrect : SDL_Rect{0, 0, Uint16(src->w), Uint16(src->h)};
        open->blits.push_back(
            {src, part.x, part.w, part.h, dstrect ? dstrect->x : 0, dstrect ? dstrect->y : 0});
    }
    return real(src, srcrect, dst, dstrect);
}

extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    static const auto real = Real<SDL_Surface* (*)(SDL_Surface*)>("SDL_DisplayFormat");
    SDL_Surface* converted = real(surface);
    if (open) {
        open->loads.push_back(converted);
    }
    return converted;
}

DrawnTest::DrawnTest() : audioDriverNamed(NameDummyAudio()) {
    open = new Log;
}

DrawnTest::~DrawnTest() {
    delete open;
    open = nullptr;
}

std::vector<SDL_Surface*> DrawnTest::CutLoads() {
    std::vector<SDL_Surface*> loads;
    loads.swap(open->loads);
    open->blits.clear();
    return loads;
}

std::vector<Blit> DrawnTest::CutBlits(const std::vector<SDL_Surface*>& sources) {
    std::vector<Blit> kept;
    for (const Blit& blit : open->blits) {
        if (std::find(sources.begin(), sources.end(), blit.source) != sources.end()) {
            kept.push_back(blit);
        }
    }
    open->blits.clear();
    return kept;
}

std::vector<int> DrawnTest::CutDrawn(const std::vector<SDL_Surface*>& sources) {
    std::vector<int> drawn;
    for (const Blit& blit : open->blits) {
        const auto at = std::find(sources.begin(), sources.end(), blit.source);
        if (at != sources.end()) {
            drawn.push_back(static_cast<int>(at - sources.begin()));
        }
    }
    open->blits.clear();
    return drawn;
}
