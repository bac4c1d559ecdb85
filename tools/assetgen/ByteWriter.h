// SPDX-License-Identifier: MIT
#pragma once
// Little-endian fields for the RIFF and BMP headers.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class ByteWriter {
public:
    // A signature or chunk name, without its terminator.
    void Tag(const char* text) { bytes_.insert(bytes_.end(), text, text + std::strlen(text)); }
    void U16(std::uint32_t value) { Put(value, 2); }
    void U32(std::uint32_t value) { Put(value, 4); }
    void Byte(std::uint8_t value) { bytes_.push_back(value); }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

    bool Save(const std::string& path) const {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            return false;
        }
        const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), file) == bytes_.size();
        return std::fclose(file) == 0 && written;
    }

private:
    void Put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
    std::vector<std::uint8_t> bytes_;
};
