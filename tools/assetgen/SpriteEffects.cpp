// SPDX-License-Identifier: MIT
#include "SpriteEffects.h"

namespace {

const Rgb FlashTint(255, 255, 245);
constexpr double FlashAmount = 0.6;

}  // namespace

Canvas Flashed(const Canvas& sprite, Rgb newKey, Rgb tint, double amount) {
    Canvas flash(sprite.Width(), sprite.Height(), newKey);
    flash.GuardKey(newKey);
    for (int y = 0; y < sprite.Height(); ++y) {
        for (int x = 0; x < sprite.Width(); ++x) {
            if (!sprite.IsKey(x, y)) {
                flash.Set(x, y, Mix(sprite.At(x, y), tint, amount));
            }
        }
    }
    return flash;
}

void WriteFrames(AssetWriter& writer, const SpriteFiles& files,
                 const std::function<Canvas(Rgb key, int frame)>& paint) {
    for (int frame = 0; frame < 2; ++frame) {
        const Canvas sprite = paint(writer.Key(files.frames[frame]), frame);
        writer.Image(files.frames[frame], sprite);
        if (const char* flash = files.flashes[frame]) {
            writer.Image(flash, Flashed(sprite, writer.Key(flash), FlashTint, FlashAmount));
        }
    }
}
