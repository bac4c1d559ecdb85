// SPDX-License-Identifier: MIT
#include "ContactSheet.h"

#include <algorithm>

#include "PixelFont.h"
#include "assets/AssetContract.h"
#include "assets/PngWriter.h"

namespace {

constexpr int SheetWidth = 1400;
constexpr int Padding = 8;
constexpr int LabelHeight = 12;

struct Tile {
    std::string label;
    Canvas picture;
    int x = 0;
    int y = 0;
};

// A sprite as tiles no wider than the sheet, cut between its cells.
void CutIntoTiles(const std::string& path, const Canvas& sprite, std::vector<Tile>* tiles) {
    const assetcontract::ImageAsset* asset = assetcontract::FindImage(path.c_str());
    int cellWidth = asset && asset->cellWidth > 0 ? asset->cellWidth : 1;
    const int maxWidth = SheetWidth - 2 * Padding;
    const int cellsPerTile = std::max(1, maxWidth / cellWidth);
    const int tileWidth = std::min(sprite.Width(), cellsPerTile * cellWidth);
    const std::string name = path.substr(path.rfind('/') + 1);
    for (int x = 0; x < sprite.Width(); x += tileWidth) {
        const int width = std::min(tileWidth, sprite.Width() - x);
        tiles->push_back({name, sprite.Crop(x, 0, width, sprite.Height())});
    }
}

}  // namespace

bool WriteContactSheet(const std::string& path, const std::string& halfSizePath,
                       const std::vector<std::pair<std::string, Canvas>>& sprites) {
    std::vector<Tile> tiles;
    for (const auto& [name, sprite] : sprites) {
        CutIntoTiles(name, sprite, &tiles);
    }
    // Shelf packing: left to right, a new shelf when the row is full.
    int x = Padding, y = Padding, shelfHeight = 0;
    for (Tile& tile : tiles) {
        const int width = std::max(tile.picture.Width(), TextWidth(tile.label, 1));
        if (x + width + Padding > SheetWidth) {
            x = Padding;
            y += shelfHeight + Padding;
            shelfHeight = 0;
        }
        tile.x = x;
        tile.y = y;
        x += width + Padding;
        shelfHeight = std::max(shelfHeight, tile.picture.Height() + LabelHeight);
    }
    Canvas sheet(SheetWidth, y + shelfHeight + Padding);
    for (int row = 0; row < sheet.Height(); ++row) {
        for (int column = 0; column < sheet.Width(); ++column) {
            const bool light = ((row / 8) + (column / 8)) % 2 == 0;
            sheet.SetRaw(column, row, light ? Rgb(118, 122, 132) : Rgb(92, 96, 106));
        }
    }
    const TextStyle label =
        OutlinedText(1, Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(20, 20, 24));
    for (const Tile& tile : tiles) {
        sheet.Draw(tile.picture, tile.x, tile.y);
        DrawText(sheet, tile.x, tile.y + tile.picture.Height() + 2, tile.label, label);
    }
    return WritePng(path, sheet) && WritePng(halfSizePath, sheet.Shrunk(2));
}
