#include "gfx/Hud.h"

#include <string>

Hud::Hud(SDL_Surface* screen)
    : screen(screen), frame(LoadKeyedImage("./Images/Panorama/Contour.png", 255, 255, 0)) {
    for (int i = 0; i < 7; ++i) {
        const std::string path = "./Images/Jauge/P" + std::to_string(i + 1) + ".png";
        gauge[i] = LoadKeyedImage(path.c_str(), 255, 103, 139);
    }
}

int Hud::GaugeIndex(int lives) {
    return lives >= 1 && lives <= 6 ? 6 - lives : 6;
}

void Hud::Draw(int lives) {
    DrawSurface(frame.get(), screen, MakeRect(0, 0, 640, 480));
    DrawSurface(gauge[GaugeIndex(lives)].get(), screen, MakeRect(0, 2, 0, 0));
}
