// SPDX-License-Identifier: MIT
#include "gfx/Hud.h"

#include <string>

namespace {

// The frame's window onto the playfield is all this colour.
constexpr Uint8 FrameKeyR = 255;
constexpr Uint8 FrameKeyG = 255;
constexpr Uint8 FrameKeyB = 0;

}  // namespace

Hud::Hud(SDL_Surface* screen)
    : screen(screen),
      frame(LoadKeyedImage("./Images/Panorama/Contour.png", FrameKeyR, FrameKeyG, FrameKeyB)) {
    for (int i = 0; i < 7; ++i) {
        const std::string path = "./Images/Jauge/P" + std::to_string(i + 1) + ".png";
        gauge[i] = LoadKeyedImage(path.c_str(), 255, 103, 139);
    }
    // The frame is drawn over the whole screen every frame, and its window
    // onto the playfield is all key colour: testing those 174,720 pixels
    // one by one took most of a frame's work. Run-length encoding the key
    // once here lets every blit skip the window; what is drawn is the same.
    const Uint32 key = SDL_MapRGB(frame->format, FrameKeyR, FrameKeyG, FrameKeyB);
    SDL_SetColorKey(frame.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, key);
    // The SDL2-based SDL 1.2 takes the key but drops the encoding, and every
    // pixel was tested again, 0.14 ms a frame against 0.02. There the
    // frame's drawn part (its two sides) is cut once into pieces that are
    // copied without a key: the same picture, drawn in 0.02 ms. A frame of
    // too many pieces (a checkerboard) keeps the keyed blit.
    if ((frame->flags & (SDL_RLEACCEL | SDL_RLEACCELOK)) == 0) {
        auto spans = std::make_unique<OpaqueSpans>(frame.get(), key);
        if (spans->Complete()) {
            frameSpans = std::move(spans);
        }
    }
}

int Hud::GaugeIndex(int lives) {
    return lives >= 1 && lives <= 6 ? 6 - lives : 6;
}

void Hud::Draw(int lives) {
    if (frameSpans) {
        frameSpans->Draw(screen, MakeRect(0, 0, 640, 480));
    } else {
        DrawSurface(frame.get(), screen, MakeRect(0, 0, 640, 480));
    }
    DrawSurface(gauge[GaugeIndex(lives)].get(), screen, MakeRect(0, 2, 0, 0));
}
