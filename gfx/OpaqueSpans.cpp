// SPDX-License-Identifier: MIT
#include "gfx/OpaqueSpans.h"

#include "gfx/PixelAccess.h"

namespace {

struct Run {
    int from;  // first drawn column
    int to;    // one past the last
};

std::vector<Run> DrawnRuns(SDL_Surface* picture, int y, bool keyed, Uint32 key) {
    std::vector<Run> runs;
    int x = 0;
    while (x < picture->w) {
        while (x < picture->w && keyed && GetPixel(picture, x, y) == key) {
            ++x;
        }
        const int from = x;
        while (x < picture->w && !(keyed && GetPixel(picture, x, y) == key)) {
            ++x;
        }
        if (x > from) {
            runs.push_back({from, x});
        }
    }
    return runs;
}

}  // namespace

OpaqueSpans::OpaqueSpans(SDL_Surface* keyed) {
    const bool hasKey = (keyed->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 key = keyed->format->colorkey;
    SurfacePixelLock lock(keyed);
    if (!lock.Ready()) {
        // Unreadable pixels: the whole picture as one rectangle, so nothing
        // goes missing.
        rects.push_back(MakeRect(0, 0, keyed->w, keyed->h));
        return;
    }
    // Indices into rects of the rectangles that reach down to the row above.
    std::vector<size_t> open;
    for (int y = 0; y < keyed->h; ++y) {
        std::vector<size_t> stillOpen;
        size_t next = 0;  // runs and open rectangles both go left to right
        for (const Run& run : DrawnRuns(keyed, y, hasKey, key)) {
            while (next < open.size() && rects[open[next]].x < run.from) {
                ++next;
            }
            if (next < open.size() && rects[open[next]].x == run.from &&
                rects[open[next]].x + rects[open[next]].w == run.to) {
                ++rects[open[next]].h;
                stillOpen.push_back(open[next]);
                ++next;
            } else {
                rects.push_back(MakeRect(run.from, y, run.to - run.from, 1));
                stillOpen.push_back(rects.size() - 1);
            }
        }
        open.swap(stillOpen);
    }
}

void OpaqueSpans::Draw(SDL_Surface* source, SDL_Surface* destination, Rect where) const {
    for (const Rect& rect : rects) {
        Rect part = rect;
        Rect at = MakeRect(where.x + rect.x, where.y + rect.y, 0, 0);
        SDL_UpperBlit(source, &part, destination, &at);
    }
}
