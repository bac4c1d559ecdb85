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

OpaqueSpans::OpaqueSpans(SDL_Surface* keyed, Uint32 key) {
    FindRects(keyed, key);
    CutPieces(keyed, key);
}

void OpaqueSpans::FindRects(SDL_Surface* keyed, Uint32 key) {
    const bool hasKey = (keyed->flags & SDL_SRCCOLORKEY) != 0;
    SurfacePixelLock lock(keyed);
    if (!lock.Ready()) {
        return;  // no rectangles: the picture is drawn whole
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
        if (rects.size() > MostPieces) {
            rects.clear();
            return;
        }
        open.swap(stillOpen);
    }
}

void OpaqueSpans::CutPieces(SDL_Surface* keyed, Uint32 key) {
    const SDL_PixelFormat* format = keyed->format;
    if (rects.empty() || format->BitsPerPixel <= 8) {
        return;  // nothing to cut, or pieces would lack the picture's palette
    }
    // The key goes back as it was, run-length encoding asked for included.
    const Uint32 keyFlags = (keyed->flags & SDL_SRCCOLORKEY) |
                            (keyed->flags & (SDL_RLEACCEL | SDL_RLEACCELOK) ? SDL_RLEACCEL : 0);
    // The rectangles hold no key pixel, but a copy without the key is the
    // plain copy whatever the pixels.
    SDL_SetColorKey(keyed, 0, 0);
    complete = true;
    for (const Rect& rect : rects) {
        SurfacePtr piece(SDL_CreateRGBSurface(SDL_SWSURFACE, rect.w, rect.h, format->BitsPerPixel,
                                              format->Rmask, format->Gmask, format->Bmask,
                                              format->Amask));
        Rect part = rect;
        if (!piece || SDL_UpperBlit(keyed, &part, piece.get(), nullptr) < 0) {
            complete = false;
            break;
        }
        pieces.push_back(std::move(piece));
    }
    SDL_SetColorKey(keyed, keyFlags, key);
    if (!complete) {
        pieces.clear();
    }
}

void OpaqueSpans::Draw(SDL_Surface* destination, Rect where) const {
    for (size_t i = 0; i < pieces.size(); ++i) {
        DrawSurface(pieces[i].get(), destination,
                    MakeRect(where.x + rects[i].x, where.y + rects[i].y, 0, 0));
    }
}
