// SPDX-License-Identifier: MIT
#pragma once
// Painting helpers for the full-screen pictures: skies, panels and the text
// styles they share.

#include <cstdint>

#include "PixelFont.h"
#include "assets/Canvas.h"

// A vertical colour gradient over the whole picture, scattered with stars
// that fade out towards the bottom.
void PaintNightSky(Canvas& canvas, Rgb top, Rgb bottom, std::uint64_t seed, int stars);

// A rounded, dark, glassy panel with a thin bright border, to set text on.
void PaintPanel(Canvas& canvas, int x, int y, int width, int height, Rgb fill, Rgb border);

// Big golden capitals with a dark outline and a drop shadow.
TextStyle HeadlineStyle(int scale);
// Pale text with a dark outline for instructions.
TextStyle CaptionStyle(int scale, Rgb colour);
