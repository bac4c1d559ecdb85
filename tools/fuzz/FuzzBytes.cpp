// SPDX-License-Identifier: MIT
#include "tools/fuzz/FuzzBytes.h"

int FuzzBytes::Number(int low, int high) {
    const int raw = Byte() | Byte() << 8;
    return low + raw % (high - low + 1);
}

std::string FuzzBytes::Text(std::size_t maxLength) {
    const std::size_t length = Byte() % (maxLength + 1);
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const char character = static_cast<char>(Byte());
        if (character == '\0') {
            break;
        }
        text += character;
    }
    return text;
}

void FuzzBytes::Fill(std::uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = Byte();
    }
}
