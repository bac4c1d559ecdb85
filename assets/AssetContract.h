// SPDX-License-Identifier: MIT
#pragma once
// Every picture and sound the game loads, with the file format, size, strip
// layout and colour key the game relies on. The asset generator draws to this
// table and the tests check the generated files against it, so the two cannot
// drift apart. Paths are relative to the data folder (the game's working
// directory); the file format follows from the extension.

#include <cstring>

namespace assetcontract {

struct KeyColour {
    unsigned char r, g, b;
};

enum class Keying {
    Opaque,     // full-screen picture or background, no colour key
    Keyed,      // sprite, shot, strip or frame drawn with its key transparent
    FontStrip,  // the glyph strip: marker row on top, background from (0, height - 1)
};

struct ImageAsset {
    const char* path;
    int cellWidth;
    int cellHeight;
    int cells;  // explosion strips hold their cells side by side in one row
    Keying keying;
    KeyColour key;
    bool wrapsVertically;  // scrolling backgrounds: the bottom row runs into the top row

    int Width() const { return cellWidth * cells; }
    int Height() const { return cellHeight; }
};

inline constexpr KeyColour Black{0, 0, 0};
inline constexpr KeyColour Magenta{255, 0, 255};
inline constexpr KeyColour HeroHitKey{255, 59, 255};
inline constexpr KeyColour FrameKey{255, 255, 0};
inline constexpr KeyColour GaugeKey{255, 103, 139};
inline constexpr KeyColour BossExplosionKey{0, 1, 1};

// The playfield window of the HUD frame, inclusive columns.
inline constexpr int PlayfieldLeft = 138;
inline constexpr int PlayfieldRight = 501;
// The gauge is drawn at (0, 2) and must stay inside the frame's left border.
inline constexpr int GaugeX = 0;
inline constexpr int GaugeY = 2;
// The rank line is drawn here on the summary picture; the area stays plain.
inline constexpr int RankTextX = 260;
inline constexpr int RankTextY = 160;
inline constexpr int RankAreaWidth = 200;
inline constexpr int RankAreaHeight = 40;
// The font strip holds glyphs for these character codes, in order.
inline constexpr int FirstGlyphCode = 33;
inline constexpr int LastGlyphCode = 126;
inline constexpr const char* FontPath = "Images/Font/font03.png";
inline constexpr const char* FramePath = "Images/Panorama/Contour.png";
inline constexpr const char* SummaryPath = "Images/Panorama/Bilan.png";

constexpr ImageAsset Picture(const char* path) {
    return {path, 640, 480, 1, Keying::Opaque, Black, false};
}
constexpr ImageAsset Scenery(const char* path, int width, int height) {
    return {path, width, height, 1, Keying::Opaque, Black, true};
}
constexpr ImageAsset Sprite(const char* path, int width, int height, KeyColour key) {
    return {path, width, height, 1, Keying::Keyed, key, false};
}
constexpr ImageAsset Strip(const char* path, int cellWidth, int cellHeight, int cells,
                           KeyColour key) {
    return {path, cellWidth, cellHeight, cells, Keying::Keyed, key, false};
}

// The gauge pictures P1 (six lives) to P7 (none).
inline constexpr int GaugeWidth = 136;
inline constexpr int GaugeHeight = 58;
inline constexpr int GaugePictures = 7;

// The font strip is as wide as its glyphs need.
inline constexpr int AnyWidth = 0;

inline constexpr ImageAsset Images[] = {
    Picture("Images/Panorama/Titre.png"),
    Picture("Images/Panorama/Loading.png"),
    Picture("Images/Panorama/Bilan.png"),
    Picture("Images/Panorama/Journal.png"),
    Picture("Images/Panorama/GameOver.png"),
    Sprite(FramePath, 640, 480, FrameKey),
    Scenery("Images/Panorama/Nuages1.png", 364, 1390),
    Scenery("Images/Panorama/Pluie1.png", 640, 480),
    Scenery("Images/Panorama/Indust.png", 364, 550),
    Scenery("Images/Panorama/Lave.png", 640, 480),
    Scenery("Images/Panorama/Glace.png", 640, 480),
    Sprite("Images/Jauge/P1.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P2.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P3.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P4.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P5.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P6.png", GaugeWidth, GaugeHeight, GaugeKey),
    Sprite("Images/Jauge/P7.png", GaugeWidth, GaugeHeight, GaugeKey),
    {FontPath, AnyWidth, 30, 1, Keying::FontStrip, Black, false},
    Sprite("Images/Heros/Corvanel.png", 36, 33, Magenta),
    Sprite("Images/Heros/Corvanel_Gauche.png", 36, 33, Magenta),
    Sprite("Images/Heros/Corvanel_Droite.png", 36, 33, Magenta),
    Sprite("Images/Heros/Corvanel_Touche.png", 36, 33, HeroHitKey),
    Sprite("Images/Heros/Corvanel_Touche_Gauche.png", 36, 33, HeroHitKey),
    Sprite("Images/Heros/Corvanel_Touche_Droite.png", 36, 33, HeroHitKey),
    Sprite("Images/Heros/Heros_Tir_Bleu.png", 17, 41, Magenta),
    Sprite("Images/Heros/Heros_Tir_Rouge.png", 17, 41, Magenta),
    Strip("Images/Heros/Heros_Explosion.png", 64, 64, 16, Black),
    Sprite("Images/Tirs/Tir0_Bleu_Ennemi.png", 8, 8, Magenta),
    Sprite("Images/Tirs/Tir0a_Bleu_Ennemi.png", 8, 8, Magenta),
    Sprite("Images/Tirs/Tir0_Rouge_Ennemi.png", 8, 8, Magenta),
    Sprite("Images/Tirs/Tir0a_Rouge_Ennemi.png", 8, 8, Magenta),
    Sprite("Images/Tirs/Tir1_Rouge_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1_Bleu_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1_Vert_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1a_Vert_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1_Violet_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1a_Violet_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1_Cercle_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1_Glace_Ennemi.bmp", 16, 16, Black),
    Sprite("Images/Tirs/Tir1a_Glace_Ennemi.bmp", 16, 16, Black),
    Strip("Images/Explosions/Ennemi_Explosion1.bmp", 32, 32, 12, Black),
    Strip("Images/Explosions/Explosion_Rouge_32.png", 32, 32, 12, Black),
    Strip("Images/Explosions/Explosion_160.png", 160, 120, 16, Black),
    Strip("Images/Explosions/Explosion_192.png", 192, 192, 16, BossExplosionKey),
    Sprite("Images/Ennemis/Piaf/Piaf.png", 32, 9, Black),
    Sprite("Images/Ennemis/Piaf/Piaf1.png", 32, 9, Black),
    Sprite("Images/Ennemis/AirBlade/Air_Blade.png", 158, 94, {0, 112, 146}),
    Sprite("Images/Ennemis/AirBlade/Air_Blade1.png", 158, 94, {0, 112, 146}),
    Sprite("Images/Ennemis/AirBlade/Air_Blade_Touche.png", 158, 94, {59, 171, 205}),
    Sprite("Images/Ennemis/AirBlade/Air_Blade_Touche1.png", 158, 94, {59, 171, 205}),
    Sprite("Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo.png", 92, 124, {0, 40, 159}),
    Sprite("Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1.png", 92, 124, {0, 40, 159}),
    Sprite("Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo_Flash.png", 92, 124, {0, 56, 255}),
    Sprite("Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1_Flash.png", 92, 124, {0, 56, 255}),
    Sprite("Images/Ennemis/Missile/Missile.png", 29, 162, {0, 194, 0}),
    Sprite("Images/Ennemis/Missile/Missile1.png", 29, 162, {0, 194, 0}),
    Sprite("Images/Ennemis/DarkMetroid/DarkMetroid.png", 32, 29, {255, 255, 255}),
    Sprite("Images/Ennemis/DarkMetroid/DarkMetroid1.png", 32, 29, {255, 255, 255}),
    Sprite("Images/Ennemis/RadioZonde/RadioZonde.png", 314, 344, {0, 0, 25}),
    Sprite("Images/Ennemis/RadioZonde/RadioZonde1.png", 314, 344, {0, 25, 25}),
    Sprite("Images/Ennemis/RadioZonde/RadioZonde_Flash.png", 314, 344, {44, 44, 44}),
    Sprite("Images/Ennemis/Metroid/Metroid.png", 82, 89, {33, 90, 90}),
    Sprite("Images/Ennemis/Metroid/Metroid1.png", 82, 89, {33, 90, 90}),
    Sprite("Images/Ennemis/Metroid/Metroid_Touche.png", 82, 89, {92, 149, 149}),
    Sprite("Images/Ennemis/Metroid/Metroid1_Touche.png", 82, 89, {92, 149, 149}),
    Sprite("Images/Ennemis/Fee/Fee1.png", 45, 74, {34, 102, 221}),
    Sprite("Images/Ennemis/Fee/Fee2.png", 45, 74, {34, 102, 221}),
    Sprite("Images/Ennemis/Fee/Fee1_Flash.png", 45, 74, {75, 155, 255}),
    Sprite("Images/Ennemis/Fee/Fee2_Flash.png", 45, 74, {75, 155, 255}),
    Sprite("Images/Ennemis/Xantum/Xantum.png", 225, 239, Black),
    Sprite("Images/Ennemis/Xantum/Xantum1.png", 225, 239, Black),
    Sprite("Images/Ennemis/Xantum/Xantum_Flash.png", 225, 239, {0, 0, 255}),
};

enum class SoundKind {
    Effect,  // WAV, 44100 Hz, 16-bit, short
    Music,   // OGG Vorbis, 44100 Hz, stereo
};

struct SoundAsset {
    const char* path;
    SoundKind kind;
    double minSeconds;
    double maxSeconds;
};

inline constexpr double EffectMaxSeconds = 2.5;
inline constexpr SoundAsset Sounds[] = {
    {"Sound/Shot4.wav", SoundKind::Effect, 0.03, EffectMaxSeconds},
    {"Sound/Shot1.wav", SoundKind::Effect, 0.03, EffectMaxSeconds},
    {"Sound/Explosion1.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    {"Sound/explosion1.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    {"Sound/Explosion1_UP.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    {"Sound/Explosion_Boss.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    {"Sound/Metroid.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    {"Sound/Xantum.wav", SoundKind::Effect, 0.1, EffectMaxSeconds},
    // The opening track plays once from the start of play.
    {"Sound/Good_Bye.ogg", SoundKind::Music, 60.0, 120.0},
    // The following track restarts whenever it ends, so it loops cleanly.
    {"Sound/Boss.ogg", SoundKind::Music, 20.0, 90.0},
};

inline constexpr int SampleRate = 44100;

// The table entry of an image, or null when the path is not in the table.
inline const ImageAsset* FindImage(const char* path) {
    for (const ImageAsset& image : Images) {
        if (std::strcmp(image.path, path) == 0) {
            return &image;
        }
    }
    return nullptr;
}

inline const SoundAsset* FindSound(const char* path) {
    for (const SoundAsset& sound : Sounds) {
        if (std::strcmp(sound.path, path) == 0) {
            return &sound;
        }
    }
    return nullptr;
}

inline bool HasExtension(const char* path, const char* extension) {
    const size_t length = std::strlen(path);
    const size_t extensionLength = std::strlen(extension);
    return length >= extensionLength &&
           std::strcmp(path + length - extensionLength, extension) == 0;
}

}  // namespace assetcontract
