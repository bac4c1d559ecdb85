#include "gfx/Hud.h"

#include <string>

Hud::Hud(SDL_Surface* screen)
    : screen(screen), frame(LoadKeyedImage("./Images/Panorama/Contour.png", 255, 255, 0)) {
    for (int i = 0; i < 7; ++i) {
        const std::string path = "./Images/Jauge/P" + std::to_string(i + 1) + ".png";
        gauge[i] = LoadKeyedImage(path.c_str(), 255, 103, 139);
    }
    // The frame is drawn over the whole screen every frame, and its window
    // onto the playfield is all key colour: testing those 174,720 pixels
    // one by one took most of a frame's work. Run-length encoding the key
    // once here lets every blit skip the window; what is drawn is the same.
    SDL_SetColorKey(frame.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, frame->format->colorkey);
    // The SDL2-based SDL 1.2 takes the key but drops the encoding, and every
    // pixel was tested again (2.6 million instructions a frame against 0.1
    // million). There the frame is cut once into its opaque rectangles (its
    // two sides), which are copied without the key: the same picture.
    if ((frame->flags & (SDL_RLEACCEL | SDL_RLEACCELOK)) == 0) {
        frameSpans = std::make_unique<OpaqueSpans>(frame.get());
        SDL_SetColorKey(frame.get(), 0, 0);
    }
}

int Hud::GaugeIndex(int lives) {
    return lives >= 1 && lives <= 6 ? 6 - lives : 6;
}

void Hud::Draw(int lives) {
    if (frameSpans) {
        frameSpans->Draw(frame.get(), screen, MakeRect(0, 0, 640, 480));
    } else {
        DrawSurface(frame.get(), screen, MakeRect(0, 0, 640, 480));
    }
    DrawSurface(gauge[GaugeIndex(lives)].get(), screen, MakeRect(0, 2, 0, 0));
}
