// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "assets/Canvas.h"

// Writes the canvas as an 8-bit RGB PNG; false when the file cannot be written.
bool WritePng(const std::string& path, const Canvas& canvas);
