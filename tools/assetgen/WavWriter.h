// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "AudioBuffer.h"

// Writes a mono, 16-bit PCM WAV file at the given rate.
bool WriteWav(const std::string& path, const MonoBuffer& samples, int sampleRate);
