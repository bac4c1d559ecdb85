// SPDX-License-Identifier: MIT
#include "WavWriter.h"

#include <algorithm>
#include <cmath>

#include "ByteWriter.h"

bool WriteWav(const std::string& path, const MonoBuffer& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.Tag("RIFF");
    out.U32(36 + dataBytes);
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(1);  // mono
    out.U32(static_cast<std::uint32_t>(sampleRate));
    out.U32(static_cast<std::uint32_t>(sampleRate * 2));
    out.U16(2);   // bytes per frame
    out.U16(16);  // bits per sample
    out.Tag("data");
    out.U32(dataBytes);
    for (float sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        out.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    return out.Save(path);
}
