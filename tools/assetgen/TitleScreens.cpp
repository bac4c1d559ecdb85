// SPDX-License-Identifier: MIT
// The title, loading and game-over pictures.
#include <string>

#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Scenery.h"
#include "ScreenArt.h"
#include "Sprites.h"

namespace {

// Dawn over a sea of clouds, seen from high above.
void PaintDawn(Canvas& canvas) {
    PaintNightSky(canvas, Rgb(8, 10, 40), Rgb(200, 90, 70), 601, 260);
    const TilingNoise clouds(602, canvas.Width(), canvas.Height(), 5, 3);
    for (int y = 300; y < canvas.Height(); ++y) {
        const double depth = (y - 300) / 180.0;
        for (int x = 0; x < canvas.Width(); ++x) {
            const double n = clouds.Fractal(x, y * 2.5, 5);
            const double cover = SmoothStep(0.45 - depth * 0.3, 0.6 - depth * 0.3, n);
            const Rgb cloud = Mix(Rgb(250, 170, 130), Rgb(110, 70, 110), depth);
            canvas.Blend(x, y, cloud, cover);
        }
    }
}

// The version in small print in the bottom-right corner, clear of the text.
void DrawVersion(Canvas& canvas, const std::string& version) {
    if (version.empty()) {
        return;
    }
    const std::string label = "V" + version;
    const int scale = 2;
    const int margin = 8;
    DrawText(canvas, canvas.Width() - margin - TextWidth(label, scale),
             canvas.Height() - margin - GlyphRows * scale, label,
             CaptionStyle(scale, Rgb(170, 180, 220)));
}

void DrawTitle(AssetWriter& writer, const std::string& version) {
    const char* path = "Images/Panorama/Titre.png";
    Canvas title = writer.Blank(path);
    PaintDawn(title);
    DrawTextCentred(title, 320, 36, "CORVANEL", HeadlineStyle(10));
    DrawTextCentred(title, 320, 118, "A VERTICAL SHOOT-'EM-UP",
                    CaptionStyle(2, Rgb(200, 210, 255)));
    const Canvas ship = HeroShip(Rgb(255, 0, 255), 0).Enlarged(4);
    title.Draw(ship, 320 - ship.Width() / 2, 146);
    PaintPanel(title, 150, 300, 340, 96, Rgb(16, 20, 50), Rgb(150, 170, 230));
    const TextStyle keys = CaptionStyle(2, Rgb(255, 226, 150));
    const TextStyle actions = CaptionStyle(2, Rgb(236, 240, 255));
    const char* controls[][2] = {
        {"ARROWS OR STICK", "FLY"}, {"G OR BUTTON 0", "FIRE"}, {"ESC", "LEAVE"}};
    for (int row = 0; row < 3; ++row) {
        DrawText(title, 172, 314 + row * 28, controls[row][0], keys);
        DrawText(title, 468 - TextWidth(controls[row][1], 2), 314 + row * 28, controls[row][1],
                 actions);
    }
    DrawTextCentred(title, 320, 420, "Press RETURN", HeadlineStyle(4));
    DrawVersion(title, version);
    writer.Image(path, title);
}

void DrawLoading(AssetWriter& writer) {
    const char* path = "Images/Panorama/Loading.png";
    Canvas loading = writer.Blank(path);
    PaintNightSky(loading, Rgb(4, 6, 24), Rgb(20, 30, 70), 611, 300);
    DrawTextCentred(loading, 320, 190, "Loading", HeadlineStyle(8));
    PaintPanel(loading, 170, 290, 300, 24, Rgb(20, 30, 60), Rgb(140, 160, 220));
    for (int block = 0; block < 12; ++block) {
        loading.FillRect(178 + block * 24, 296, 18, 12,
                         Mix(Rgb(90, 255, 170), Rgb(60, 140, 255), block / 11.0));
    }
    writer.Image(path, loading);
}

void DrawGameOver(AssetWriter& writer) {
    const char* path = "Images/Panorama/GameOver.png";
    Canvas over = writer.Blank(path);
    PaintNightSky(over, Rgb(10, 2, 6), Rgb(90, 14, 20), 621, 120);
    TextStyle red = HeadlineStyle(10);
    red.top = Rgb(255, 200, 180);
    red.bottom = Rgb(200, 20, 20);
    DrawTextCentred(over, 320, 170, "GAME OVER", red);
    DrawTextCentred(over, 320, 300, "Press RETURN", CaptionStyle(3, Rgb(240, 220, 220)));
    writer.Image(path, over);
}

}  // namespace

void DrawTitleScreens(AssetWriter& writer, const std::string& version) {
    DrawTitle(writer, version);
    DrawLoading(writer);
    DrawGameOver(writer);
}
