// SPDX-License-Identifier: MIT
#pragma once
// A plain raster of 8-bit colours that every picture is painted on. A sprite
// canvas guards its key colour: painting a pixel in the key colour nudges it
// so the sprite never turns transparent by accident.

#include <vector>

#include "assets/Rgb.h"

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgb fill = Rgb());

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Paints one pixel; outside the canvas nothing happens.
    void Set(int x, int y, Rgb colour);
    // Paints over the current colour with the given opacity (0 to 1).
    void Blend(int x, int y, Rgb colour, double opacity);
    // Writes the colour as it is, key colour included (backgrounds, clearing).
    void SetRaw(int x, int y, Rgb colour);

    void Fill(Rgb colour);
    void FillRect(int x, int y, int width, int height, Rgb colour);
    void GuardKey(Rgb key);
    bool HasKey() const { return hasKey_; }
    Rgb Key() const { return key_; }
    bool IsKey(int x, int y) const { return hasKey_ && At(x, y) == key_; }

    // Fills every lone key pixel whose four neighbours are all drawn with
    // their average: a pinhole left between two shapes would otherwise show
    // the background through the sprite.
    void ClosePinholes();

    // Copies another canvas with its top-left corner at (x, y); the source's
    // key pixels are left out, so a sprite lands on a picture as the game
    // would draw it.
    void Draw(const Canvas& source, int x, int y);
    // The canvas blown up by a whole factor, each pixel a square block.
    Canvas Enlarged(int factor) const;
    // The canvas shrunk by a whole factor, each block of pixels averaged.
    Canvas Shrunk(int factor) const;
    Canvas Crop(int x, int y, int width, int height) const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
    bool hasKey_ = false;
    Rgb key_;
};
