// SPDX-License-Identifier: MIT
#pragma once
// An 8-bit colour and the few blends the painters use.

#include <algorithm>
#include <cstdint>

#include "assets/AssetContract.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr Rgb() = default;
    constexpr Rgb(int red, int green, int blue)
        : r(static_cast<std::uint8_t>(red)),
          g(static_cast<std::uint8_t>(green)),
          b(static_cast<std::uint8_t>(blue)) {}
    constexpr explicit Rgb(assetcontract::KeyColour key) : r(key.r), g(key.g), b(key.b) {}
};

inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}

inline std::uint8_t ClampChannel(double value) {
    return static_cast<std::uint8_t>(std::clamp(value + 0.5, 0.0, 255.0));
}

// Linear blend: t = 0 gives a, t = 1 gives b.
inline Rgb Mix(Rgb a, Rgb b, double t) {
    return Rgb(ClampChannel(a.r + (b.r - a.r) * t), ClampChannel(a.g + (b.g - a.g) * t),
               ClampChannel(a.b + (b.b - a.b) * t));
}

// Brightness scale; factors above 1 brighten, clamped at white per channel.
inline Rgb Scale(Rgb c, double factor) {
    return Rgb(ClampChannel(c.r * factor), ClampChannel(c.g * factor), ClampChannel(c.b * factor));
}

inline int Luma(Rgb c) {
    return (c.r * 3 + c.g * 6 + c.b) / 10;
}

// A sprite pixel that happens to equal the key colour would turn transparent;
// such a pixel is moved one step in green instead, invisible to the eye.
inline Rgb AvoidKey(Rgb colour, Rgb key) {
    if (colour != key) {
        return colour;
    }
    colour.g = colour.g < 255 ? colour.g + 1 : colour.g - 1;
    return colour;
}
