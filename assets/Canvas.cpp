// SPDX-License-Identifier: MIT
#include "assets/Canvas.h"

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Rgb colour) {
    if (!Contains(x, y)) {
        return;
    }
    pixels_[Index(x, y)] = hasKey_ ? AvoidKey(colour, key_) : colour;
}

void Canvas::Blend(int x, int y, Rgb colour, double opacity) {
    if (Contains(x, y)) {
        Set(x, y, Mix(At(x, y), colour, opacity));
    }
}

void Canvas::SetRaw(int x, int y, Rgb colour) {
    if (Contains(x, y)) {
        pixels_[Index(x, y)] = colour;
    }
}

void Canvas::Fill(Rgb colour) {
    for (Rgb& pixel : pixels_) {
        pixel = colour;
    }
}

void Canvas::FillRect(int x, int y, int width, int height, Rgb colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            Set(column, row, colour);
        }
    }
}

void Canvas::GuardKey(Rgb key) {
    hasKey_ = true;
    key_ = key;
}

void Canvas::Draw(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            if (!source.IsKey(column, row)) {
                Set(x + column, y + row, source.At(column, row));
            }
        }
    }
}

Canvas Canvas::Enlarged(int factor) const {
    Canvas big(width_ * factor, height_ * factor);
    if (hasKey_) {
        big.GuardKey(key_);
    }
    for (int y = 0; y < big.Height(); ++y) {
        for (int x = 0; x < big.Width(); ++x) {
            big.SetRaw(x, y, At(x / factor, y / factor));
        }
    }
    return big;
}

Canvas Canvas::Shrunk(int factor) const {
    Canvas small(width_ / factor, height_ / factor);
    const int area = factor * factor;
    for (int y = 0; y < small.Height(); ++y) {
        for (int x = 0; x < small.Width(); ++x) {
            int r = 0;
            int g = 0;
            int b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const Rgb pixel = At(x * factor + dx, y * factor + dy);
                    r += pixel.r;
                    g += pixel.g;
                    b += pixel.b;
                }
            }
            small.SetRaw(x, y, Rgb(r / area, g / area, b / area));
        }
    }
    return small;
}

Canvas Canvas::Crop(int x, int y, int width, int height) const {
    Canvas part(width, height);
    if (hasKey_) {
        part.GuardKey(key_);
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            part.SetRaw(column, row, At(x + column, y + row));
        }
    }
    return part;
}

void Canvas::ClosePinholes() {
    if (!hasKey_) {
        return;
    }
    const int dx[4] = {1, -1, 0, 0};
    const int dy[4] = {0, 0, 1, -1};
    for (int y = 1; y + 1 < height_; ++y) {
        for (int x = 1; x + 1 < width_; ++x) {
            if (!IsKey(x, y)) {
                continue;
            }
            int r = 0, g = 0, b = 0, drawn = 0;
            for (int k = 0; k < 4; ++k) {
                if (!IsKey(x + dx[k], y + dy[k])) {
                    const Rgb n = At(x + dx[k], y + dy[k]);
                    r += n.r;
                    g += n.g;
                    b += n.b;
                    ++drawn;
                }
            }
            if (drawn == 4) {
                Set(x, y, Rgb(r / 4, g / 4, b / 4));
            }
        }
    }
}
