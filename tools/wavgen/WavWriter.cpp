#include "tools/wavgen/WavWriter.h"

#include <fstream>

namespace tessora::wavgen {

namespace {
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}
}  // namespace

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerFrame);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);  // everything after this field
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);  // size of the format block
    Put16(out, kPcmFormat);
    Put16(out, kChannels);
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * kBytesPerFrame);
    Put16(out, kBytesPerFrame);
    Put16(out, kBitsPerSample);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t sample : samples)
        Put16(out, static_cast<std::uint16_t>(sample));
    return out;
}

bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    const std::vector<std::uint8_t> bytes = EncodeWave(samples, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace tessora::wavgen
