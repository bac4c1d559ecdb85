// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads a fuzz input from the front: once it is used up every read gives
// zeros, so any input, even an empty one, reads as something.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::uint8_t Byte() { return at < size ? data[at++] : 0; }
    // A number from low to high, from two bytes.
    int Number(int low, int high);
    // A length byte (up to maxLength), then that many bytes; a NUL among
    // them ends the text early, as it would any C string.
    std::string Text(std::size_t maxLength);
    // Copies the next count bytes into out, zeros past the end.
    void Fill(std::uint8_t* out, std::size_t count);

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
};
