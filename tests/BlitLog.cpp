// SPDX-License-Identifier: MIT
#include "tests/BlitLog.h"

#include "tests/CallLog.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

std::vector<Blit> blits;
std::vector<SDL_Surface*> loads;

void Blitted(SDL_Surface* src, const SDL_Rect* part, const SDL_Rect* to) {
    const SDL_Rect p = part ? *part : SDL_Rect{0, 0, Uint16(src->w), Uint16(src->h)};
    blits.push_back({src, p.x, p.w, p.h, to ? to->x : 0, to ? to->y : 0});
}

void Converted(SDL_Surface* picture) {
    loads.push_back(picture);
}

}  // namespace

DrawnTest::DrawnTest() : audioDriverNamed(setenv("SDL_AUDIODRIVER", "dummy", 1) == 0) {
    CallHooks::blitted = Blitted;
    CallHooks::converted = Converted;
}

DrawnTest::~DrawnTest() {
    CallHooks::blitted = nullptr;
    CallHooks::converted = nullptr;
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

std::vector<std::string> DrawnTest::Names(const std::vector<SDL_Surface*>& pictures) {
    std::vector<std::string> names;
    for (SDL_Surface* picture : pictures) {
        names.push_back(CallLog::Named(picture));
    }
    return names;
}

int DrawnTest::Heard(const std::string& file, int channel) const {
    const std::string line = " channel " + std::to_string(channel) + " loops 0 ticks -1";
    return static_cast<int>(heard.Starting("sound " + file + line).size());
}
