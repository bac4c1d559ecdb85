// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "assets/Canvas.h"

// Writes the canvas as an uncompressed 24-bit Windows bitmap, which SDL's own
// loader reads.
bool WriteBmp(const std::string& path, const Canvas& canvas);
