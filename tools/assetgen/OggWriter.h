// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "AudioBuffer.h"

// Encodes stereo music as Ogg Vorbis (variable bit rate at the given quality,
// -0.1 to 1.0). The stream serial number is fixed so that every build writes
// the same bytes.
bool WriteOggVorbis(const std::string& path, const StereoBuffer& music, int sampleRate,
                    float quality);
