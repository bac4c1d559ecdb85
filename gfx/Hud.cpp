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
    SDL_SetColorKey(frame.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(frame->format, FrameKeyR, FrameKeyG, FrameKeyB));
}

int Hud::GaugeIndex(int lives) {
    return lives >= 1 && lives <= 6 ? 6 - lives : 6;
}

void Hud::Draw(int lives) {
    DrawSurface(frame.get(), screen, MakeRect(0, 0, 640, 480));
    DrawSurface(gauge[GaugeIndex(lives)].get(), screen, MakeRect(0, 2, 0, 0));
}
