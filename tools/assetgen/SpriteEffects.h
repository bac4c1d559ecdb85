// SPDX-License-Identifier: MIT
#pragma once
// Variants made from a finished sprite: the bright flash shown for one frame
// when an enemy is hit and the ship's hit look; and the writing of a
// two-frame sprite with its flash images.

#include <functional>

#include "AssetWriter.h"
#include "assets/Canvas.h"

// The sprite washed towards `tint` by `amount` (0 to 1), moved onto a new key
// colour: what was background becomes `newKey`, no sprite pixel takes it.
Canvas Flashed(const Canvas& sprite, Rgb newKey, Rgb tint, double amount);

// The files of a sprite animated over two frames. A frame whose flash has
// no file of its own (a shared flash, or none) has a null flash path.
struct SpriteFiles {
    const char* frames[2];
    const char* flashes[2];
};

// Paints both frames with paint(key, frame) on their own key colours and
// writes them, each with its whitened flash where it has one.
void WriteFrames(AssetWriter& writer, const SpriteFiles& files,
                 const std::function<Canvas(Rgb key, int frame)>& paint);
