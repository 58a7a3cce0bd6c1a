#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/fuzz/EngineInputCheck.h"
#include "tools/fuzz/PipelineCheck.h"

namespace tessora::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kRegressionDir = fs::path(TESSORA_TEST_DATA_DIR) / ".." / "fuzz_regressions";

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stored inputs (a small set the fuzzers found that covers the most code, and any input that
// once broke a target) go through both targets' checks again, since a byte string meant for one
// is a fair input for the other too.
TEST(FuzzRegressions, EveryStoredInputPassesTheEngineInputAndPipelineChecks) {
    ASSERT_TRUE(fs::is_directory(kRegressionDir)) << kRegressionDir;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kRegressionDir)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no stored inputs in " << kRegressionDir;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::vector<std::uint8_t> bytes = ReadBytes(file);
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(CheckEngineInput(text), "");
        EXPECT_EQ(CheckPipeline(bytes), "");
    }
}

// The pipeline target's reading of bytes: byte 0 strength and who begins, byte 1 the number
// of draws, two bytes per draw, then one column per byte; a stone into a full column or one
// that would end the game is left out, and the last stone goes when the human would be next.
TEST(FuzzRegressions, BytesBecomeALegalPositionWithTheComputerToMove) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool hasPosition;
        const char* moves;
        int strength;
        engine::FirstPlayer first;
        std::vector<double> draws;
    };
    using engine::FirstPlayer;
    const std::vector<Case> cases = {
        {"too short", {3}, false, "", 0, FirstPlayer::Human, {}},
        {"one human stone", {0, 0, 0, 0, 3}, true, "4", 1, FirstPlayer::Human, {0.0}},
        {"human next: last stone taken back",
         {3, 0, 0, 0, 3, 3},
         true,
         "4",
         4,
         FirstPlayer::Human,
         {0.0}},
        {"empty board, computer begins",
         {0x07, 1, 0x80, 0, 0x40, 0},
         true,
         "",
         4,
         FirstPlayer::Computer,
         {0.5, 0.25}},
        {"human first, no stone left", {2, 0, 0, 0}, false, "", 0, FirstPlayer::Human, {}},
        {"full column skipped",
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6},
         true,
         "1111117",
         2,
         FirstPlayer::Human,
         {0.0}},
        {"winning stone skipped",
         {0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 3},
         true,
         "1212124",
         1,
         FirstPlayer::Human,
         {0.0}},
        {"column bytes wrap",
         {0, 0, 0xff, 0xff, 13},
         true,
         "7",
         1,
         FirstPlayer::Human,
         {65535 / 65536.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FuzzedPosition position;
        ASSERT_EQ(ReadFuzzedPosition(c.bytes, position), c.hasPosition);
        if (!c.hasPosition) continue;
        EXPECT_EQ(position.moves, c.moves);
        EXPECT_EQ(position.strength, c.strength);
        EXPECT_EQ(position.first, c.first);
        EXPECT_EQ(position.draws, c.draws);
        EXPECT_EQ(CheckPipeline(c.bytes), "");
    }
}

// The engine target's checks accept the tool's normal use and its refusals alike.
TEST(FuzzRegressions, EngineChecksPassGoodAndBadInput) {
    const std::vector<std::string> inputs = {
        "move --moves 4453 --first computer --strength 3 --random 0.25",
        "play --human 4352 --strength 4 --random 0.5,0.1",
        "selfplay --games 2 --strength-a 4 --versus random --seed 1",
        "--batch\n{\"cmd\":\"move\",\"moves\":\"4\",\"first\":\"human\",\"strength\":1,"
        "\"random\":[0.5]}\nnot json",
        "move --moves 9",
        "--help",
        "--version",
        "{\"a\":[1,2,{\"b\":null}]}",
        std::string("\0\xff{", 3),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        EXPECT_EQ(CheckEngineInput(input), "");
    }
}

}  // namespace
}  // namespace tessora::fuzz
