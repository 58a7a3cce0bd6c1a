// The wave file writer and the synthesised sounds: valid PCM headers with the right lengths,
// and every sound short, loud enough, unclipped, silent at its ends and the same every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "tools/wavgen/Sounds.h"
#include "tools/wavgen/Synth.h"
#include "tools/wavgen/WavWriter.h"

namespace tessora::wavgen {
namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Read16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

TEST(WaveWriter, HeaderDescribesMono16BitPcmWithMatchingLengths) {
    struct Case {
        std::vector<std::int16_t> samples;
        int rate;
    };
    const Case cases[] = {
        {{}, 22050}, {{1, -1, 32767, -32768}, 44100}, {std::vector<std::int16_t>(1001, 7), 22050}};
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes = EncodeWave(c.samples, c.rate);
        const std::uint32_t data = static_cast<std::uint32_t>(c.samples.size() * 2);
        ASSERT_EQ(bytes.size(), 44 + data);
        EXPECT_EQ(Tag(bytes, 0), "RIFF");
        EXPECT_EQ(Read32(bytes, 4), 36 + data);
        EXPECT_EQ(Tag(bytes, 8), "WAVE");
        EXPECT_EQ(Tag(bytes, 12), "fmt ");
        EXPECT_EQ(Read32(bytes, 16), 16u);
        EXPECT_EQ(Read16(bytes, 20), 1);  // PCM
        EXPECT_EQ(Read16(bytes, 22), 1);  // mono
        EXPECT_EQ(Read32(bytes, 24), static_cast<std::uint32_t>(c.rate));
        EXPECT_EQ(Read32(bytes, 28), static_cast<std::uint32_t>(c.rate) * 2);
        EXPECT_EQ(Read16(bytes, 32), 2);
        EXPECT_EQ(Read16(bytes, 34), 16);
        EXPECT_EQ(Tag(bytes, 36), "data");
        EXPECT_EQ(Read32(bytes, 40), data);
    }
}

TEST(WaveWriter, SamplesAreLittleEndianTwosComplement) {
    const std::vector<std::uint8_t> bytes = EncodeWave({0x1234, -2, -32768}, 44100);
    const std::vector<std::uint8_t> expected = {0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 44, bytes.end()), expected);
}

TEST(WaveWriter, WritesTheEncodedBytesAndReportsAnUnwritablePath) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "tessora_wavgen_test.wav";
    ASSERT_TRUE(WriteWave(path.string(), {5, 6, 7}, 22050));
    EXPECT_EQ(std::filesystem::file_size(path), 44u + 6u);
    std::filesystem::remove(path);
    EXPECT_FALSE(WriteWave("/nonexistent-folder/x/KLACK.WAV", {1}, 22050));
}

TEST(PcmConversion, RoundsAndClipsToSixteenBits) {
    const Buffer in = {0.0f, 1.0f, -1.0f, 0.5f, 1.7f, -3.0f};
    const std::vector<std::int16_t> expected = {0, 32767, -32767, 16384, 32767, -32767};
    EXPECT_EQ(ToPcm16(in), expected);
}

TEST(GameSounds, EverySoundOfTheGameIsMadeOnce) {
    std::set<Sound> made;
    for (const SoundFile& sound : GameSounds())
        EXPECT_TRUE(made.insert(sound.sound).second) << WaveFile(sound.sound);
    EXPECT_EQ(made.size(), std::size_t{kSoundCount});
}

TEST(GameSounds, AreShortAudibleUnclippedAndQuietAtTheirEnds) {
    for (const SoundFile& sound : GameSounds()) {
        SCOPED_TRACE(std::string(WaveFile(sound.sound)));
        const Buffer samples = sound.make();
        const double seconds = static_cast<double>(samples.size()) / kSampleRate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LE(seconds, 2.0);
        float peak = 0;
        for (float s : samples) {
            ASSERT_TRUE(std::isfinite(s));
            peak = std::max(peak, std::abs(s));
        }
        EXPECT_GE(peak, 0.5f);
        EXPECT_LE(peak, 0.9f);
        EXPECT_LT(std::abs(samples.front()), 0.05f);
        EXPECT_LT(std::abs(samples.back()), 0.01f);
    }
}

}  // namespace
}  // namespace tessora::wavgen
