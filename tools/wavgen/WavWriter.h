#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessora::wavgen {

// A complete RIFF/WAVE file of 16-bit PCM mono samples: the 44-byte header and the samples,
// little-endian.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// Writes EncodeWave's bytes to `path`; false when the file cannot be written.
bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace tessora::wavgen
