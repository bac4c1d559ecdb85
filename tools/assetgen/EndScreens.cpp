// SPDX-License-Identifier: MIT
// The victory pictures: the newspaper front page that celebrates the fall of
// Xantum, and the summary on which the game writes the player's rank.
#include <string>

#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"
#include "ScreenArt.h"
#include "Shapes.h"
#include "Sprites.h"

namespace {

const Rgb Ink(34, 30, 28);
const Rgb Paper(236, 228, 206);

TextStyle InkStyle(int scale) {
    TextStyle style;
    style.scale = scale;
    style.top = Ink;
    style.bottom = Ink;
    return style;
}

// A column of body text: grey words of random lengths, set justified.
void PaintColumn(Canvas& page, int x, int y, int width, int lines, Random& random) {
    for (int line = 0; line < lines; ++line) {
        int penX = x;
        const int lineEnd = line == lines - 1 ? x + width / 2 : x + width;
        while (penX < lineEnd) {
            const int word = std::min(6 + random.Below(22), lineEnd - penX);
            page.FillRect(penX, y + line * 9, word, 4, Mix(Paper, Ink, 0.55));
            penX += word + 5;
        }
    }
}

void DrawNewspaper(AssetWriter& writer) {
    const char* path = "Images/Panorama/Journal.png";
    Canvas page = writer.Blank(path);
    // Aged paper on a dark desk.
    page.Fill(Rgb(40, 30, 24));
    const TilingNoise fibres(701, 640, 480, 16, 12);
    Paint(page, RoundedRect(20, 10, 600, 460, 4), [&](int x, int y, double) {
        return Mix(Paper, Rgb(214, 200, 168), fibres.Fractal(x, y, 4));
    });
    DrawTextCentred(page, 320, 22, "THE CORVANEL CHRONICLE", InkStyle(4));
    page.FillRect(36, 58, 568, 3, Ink);
    DrawText(page, 40, 66, "EXTRA EDITION", InkStyle(1));
    DrawText(page, 600 - TextWidth("PRICE: ONE CREDIT", 1), 66, "PRICE: ONE CREDIT", InkStyle(1));
    page.FillRect(36, 80, 568, 1, Ink);
    DrawTextCentred(page, 320, 92, "XANTUM DESTROYED!", InkStyle(6));
    DrawTextCentred(page, 320, 148, "Lone pilot frees the skies", InkStyle(2));
    // The photograph: the hero's ship climbing away from the burning wreck.
    Canvas photo(250, 180);
    FillVerticalGradient(photo, 0, 0, 250, 180, Rgb(60, 60, 80), Rgb(190, 170, 150));
    const Canvas blast = BossExplosionCell(6);
    photo.Draw(blast, 125 - blast.Width() / 2, 60);
    const Canvas ship = HeroShip(Rgb(255, 0, 255), 0).Enlarged(2);
    photo.Draw(ship, 150, 14);
    // Printed in halftone sepia.
    for (int y = 0; y < photo.Height(); ++y) {
        for (int x = 0; x < photo.Width(); ++x) {
            const int luma = Luma(photo.At(x, y));
            const bool dot = (x + y) % 2 == 0 && luma < 128;
            const Rgb sepia = Mix(Ink, Paper, luma / 255.0);
            page.Set(40 + x, 180 + y, dot ? Scale(sepia, 0.85) : sepia);
        }
    }
    page.FillRect(38, 178, 254, 2, Ink);
    page.FillRect(38, 360, 254, 2, Ink);
    DrawText(page, 40, 368, "The pilot of the Corvanel", InkStyle(1));
    DrawText(page, 40, 380, "returns home in triumph.", InkStyle(1));
    Random random(702);
    PaintColumn(page, 40, 398, 250, 7, random);
    PaintColumn(page, 310, 180, 136, 30, random);
    PaintColumn(page, 460, 180, 140, 18, random);
    DrawText(page, 460, 352, "WEATHER:", InkStyle(1));
    DrawText(page, 460, 364, "Clear skies", InkStyle(1));
    DrawText(page, 460, 376, "for good.", InkStyle(1));
    PaintColumn(page, 460, 394, 140, 7, random);
    writer.Image(path, page);
}

void DrawSummary(AssetWriter& writer) {
    const char* path = assetcontract::SummaryPath;
    Canvas summary = writer.Blank(path);
    PaintNightSky(summary, Rgb(6, 8, 30), Rgb(40, 60, 120), 711, 280);
    DrawTextCentred(summary, 320, 40, "MISSION COMPLETE", HeadlineStyle(6));
    DrawTextCentred(summary, 320, 100, "Xantum has fallen", CaptionStyle(2, Rgb(220, 230, 255)));
    // A plain dark plate for the rank line, which the game writes at its
    // top-left corner.
    using assetcontract::RankAreaHeight;
    using assetcontract::RankAreaWidth;
    using assetcontract::RankTextX;
    using assetcontract::RankTextY;
    PaintPanel(summary, RankTextX - 20, RankTextY - 12, RankAreaWidth + 40, RankAreaHeight + 24,
               Rgb(10, 12, 30), Rgb(230, 180, 80));
    summary.FillRect(RankTextX - 14, RankTextY - 6, RankAreaWidth + 28, RankAreaHeight + 12,
                     Rgb(12, 14, 34));
    const TextStyle note = CaptionStyle(2, Rgb(200, 210, 240));
    DrawTextCentred(summary, 320, 250, "Your rank runs from E to A:", note);
    DrawTextCentred(summary, 320, 276, "destroy more enemies for a better one.", note);
    const Canvas ship = HeroShip(Rgb(255, 0, 255), 0).Enlarged(2);
    summary.Draw(ship, 320 - ship.Width() / 2, 318);
    DrawTextCentred(summary, 320, 420, "Press RETURN", HeadlineStyle(3));
    writer.Image(path, summary);
}

}  // namespace

void DrawEndScreens(AssetWriter& writer) {
    DrawNewspaper(writer);
    DrawSummary(writer);
}
