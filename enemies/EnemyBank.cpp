// SPDX-License-Identifier: MIT
#include "enemies/EnemyBank.h"

namespace {

struct KeyedFile {
    const char* path;
    Uint8 r, g, b;
};

struct MediaFiles {
    KeyedFile frames[2];
    KeyedFile hitFrames[2];
    KeyedFile explosion;
    KeyedFile shotImages[2];
    const char* explosionSound;
    const char* shotSound;
};

// Piaf, Missile and DarkMetroid show their normal frames when hit: a hit on
// them does not flash. The DarkMetroid's explosion sound has a small initial.
const MediaFiles Files[EnemyKindCount] = {
    {{{"./Images/Ennemis/Piaf/Piaf.png", 0, 0, 0}, {"./Images/Ennemis/Piaf/Piaf1.png", 0, 0, 0}},
     {{"./Images/Ennemis/Piaf/Piaf.png", 0, 0, 0}, {"./Images/Ennemis/Piaf/Piaf1.png", 0, 0, 0}},
     {"./Images/Explosions/Ennemi_Explosion1.bmp", 0, 0, 0},
     {{"./Images/Tirs/Tir0_Bleu_Ennemi.png", 255, 0, 255},
      {"./Images/Tirs/Tir0a_Bleu_Ennemi.png", 255, 0, 255}},
     "Sound/Explosion1.wav",
     "Sound/Shot1.wav"},
    {{{"./Images/Ennemis/AirBlade/Air_Blade.png", 0, 112, 146},
      {"./Images/Ennemis/AirBlade/Air_Blade1.png", 0, 112, 146}},
     {{"./Images/Ennemis/AirBlade/Air_Blade_Touche.png", 59, 171, 205},
      {"./Images/Ennemis/AirBlade/Air_Blade_Touche1.png", 59, 171, 205}},
     {"./Images/Explosions/Explosion_160.png", 0, 0, 0},
     {{"./Images/Tirs/Tir1_Violet_Ennemi.bmp", 0, 0, 0},
      {"./Images/Tirs/Tir1a_Violet_Ennemi.bmp", 0, 0, 0}},
     "Sound/Explosion1.wav",
     "Sound/Shot1.wav"},
    {{{"./Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo.png", 0, 40, 159},
      {"./Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1.png", 0, 40, 159}},
     {{"./Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo_Flash.png", 0, 56, 255},
      {"./Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1_Flash.png", 0, 56, 255}},
     {"./Images/Heros/Heros_Explosion.png", 0, 0, 0},
     {{"./Images/Tirs/Tir0_Rouge_Ennemi.png", 255, 0, 255},
      {"./Images/Tirs/Tir0a_Rouge_Ennemi.png", 255, 0, 255}},
     "Sound/Explosion_Boss.wav",
     "Sound/Shot1.wav"},
    {{{"./Images/Ennemis/Missile/Missile.png", 0, 194, 0},
      {"./Images/Ennemis/Missile/Missile1.png", 0, 194, 0}},
     {{"./Images/Ennemis/Missile/Missile.png", 0, 194, 0},
      {"./Images/Ennemis/Missile/Missile1.png", 0, 194, 0}},
     {"./Images/Explosions/Ennemi_Explosion1.bmp", 0, 0, 0},
     {{"./Images/Tirs/Tir0_Bleu_Ennemi.png", 255, 0, 255},
      {"./Images/Tirs/Tir0a_Bleu_Ennemi.png", 255, 0, 255}},
     "Sound/Explosion1.wav",
     "Sound/Shot1.wav"},
    {{{"./Images/Ennemis/DarkMetroid/DarkMetroid.png", 255, 255, 255},
      {"./Images/Ennemis/DarkMetroid/DarkMetroid1.png", 255, 255, 255}},
     {{"./Images/Ennemis/DarkMetroid/DarkMetroid.png", 255, 255, 255},
      {"./Images/Ennemis/DarkMetroid/DarkMetroid1.png", 255, 255, 255}},
     {"./Images/Explosions/Explosion_Rouge_32.png", 0, 0, 0},
     {{"./Images/Tirs/Tir0_Rouge_Ennemi.png", 255, 0, 255},
      {"./Images/Tirs/Tir0a_Rouge_Ennemi.png", 255, 0, 255}},
     "Sound/explosion1.wav",
     "Sound/Shot1.wav"},
};

SurfacePtr Load(const KeyedFile& file) {
    return LoadKeyedImage(file.path, file.r, file.g, file.b);
}

}  // namespace

EnemyBank::EnemyBank() {
    for (int kind = 0; kind < EnemyKindCount; ++kind) {
        const MediaFiles& files = Files[kind];
        EnemyMedia& m = media[kind];
        m.frames[0] = Load(files.frames[0]);
        m.frames[1] = Load(files.frames[1]);
        m.hitFrames[0] = Load(files.hitFrames[0]);
        m.hitFrames[1] = Load(files.hitFrames[1]);
        m.explosion = Load(files.explosion);
        m.shotImageA = Load(files.shotImages[0]);
        m.shotImageB = Load(files.shotImages[1]);
        m.explosionSound = LoadSound(files.explosionSound);
        m.shotSound = LoadSound(files.shotSound);
    }
}
