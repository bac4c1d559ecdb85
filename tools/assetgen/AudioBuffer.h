// SPDX-License-Identifier: MIT
#pragma once
// Sound as floating-point samples in [-1, 1] at the game's mixing rate.

#include <cstddef>
#include <vector>

using MonoBuffer = std::vector<float>;

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t Frames() const { return left.size(); }
};
