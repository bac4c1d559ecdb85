// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "assets/Canvas.h"

// Lays every sprite out on one picture, over a checkerboard that shows which
// pixels are keyed out, each with its file name below it. Long strips are cut
// into rows of whole cells. A copy at half size, small enough to show in
// the README, goes to halfSizePath.
bool WriteContactSheet(const std::string& path, const std::string& halfSizePath,
                       const std::vector<std::pair<std::string, Canvas>>& sprites);
