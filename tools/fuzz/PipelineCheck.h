#pragma once

// What must hold for the computer player in any legal position: bytes become a position by
// dropping stones into columns (a stone that would end the game is left out), a strength and
// the random draws; the pipeline must then name an open column 1..7 and leave the position
// alone. Shared by the fuzz target and the test that replays the inputs fuzzing once broke on.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "core/GameState.h"
#include "core/Position.h"
#include "platform/Random.h"
#include "tools/engine/Requests.h"

namespace tessora::fuzz {

// Most draws the bytes may script for one move; the scripted source cycles through them.
constexpr int kMostDraws = 8;

struct FuzzedPosition {
    std::string moves;  // digits 1-7, the first stone first
    engine::FirstPlayer first = engine::FirstPlayer::Human;
    int strength = 3;
    std::vector<double> draws;
};

// Byte 0: strength (1..4) and who begins; byte 1: how many draws; then two bytes per draw;
// every further byte a column. Returns false when the bytes give no position with the
// computer to move.
inline bool ReadFuzzedPosition(std::span<const std::uint8_t> bytes, FuzzedPosition& out) {
    if (bytes.size() < 2) return false;
    out.strength = 1 + bytes[0] % 4;
    out.first = (bytes[0] & 0x04) != 0 ? engine::FirstPlayer::Computer : engine::FirstPlayer::Human;
    const int drawCount = 1 + bytes[1] % kMostDraws;
    std::size_t next = 2;
    for (int i = 0; i < drawCount && next + 1 < bytes.size(); ++i, next += 2) {
        out.draws.push_back((bytes[next] * 256 + bytes[next + 1]) / 65536.0);
    }
    if (out.draws.empty()) out.draws.push_back(0.0);

    GameState scratch;
    SetUpEmptyPosition(scratch);
    int16 stone = engine::StoneOf(out.first);
    for (; next < bytes.size(); ++next) {
        const int column = bytes[next] % kColumnCount;
        if (scratch.ColumnState[column] == kColumnFull) continue;
        GameState trial = scratch;
        if (PlaceStone(trial, column, stone).GameOver()) continue;
        scratch = trial;
        out.moves += static_cast<char>('1' + column);
        stone = stone == kHuman ? kComputer : kHuman;
    }
    // The computer must be to move: take back the last stone when it is not. Taking a stone
    // off the top never makes a line.
    if (stone != kComputer) {
        if (out.moves.empty()) return false;
        out.moves.pop_back();
    }
    return true;
}

// A source whose script is swapped for every move, so one long-lived player can be given the
// same draws as a fresh one.
class SwappableRandom final : public RandomSource {
  public:
    void Use(RandomSource& source) { source_ = &source; }
    void Randomize() override { source_->Randomize(); }
    double Rnd() override { return source_->Rnd(); }

  private:
    RandomSource* source_ = nullptr;
};

// Empty when everything holds, else what went wrong. Besides a fresh player, one player lives
// on from input to input, as the game's does from move to move: what is left over from its
// last move must not change its next choice.
inline std::string CheckPipeline(std::span<const std::uint8_t> bytes) {
    FuzzedPosition fuzzed;
    if (!ReadFuzzedPosition(bytes, fuzzed)) return {};
    GameState state;
    std::string error;
    const auto strength = static_cast<int16>(fuzzed.strength);
    const int16 first = engine::StoneOf(fuzzed.first);
    if (!BuildPosition(fuzzed.moves, first, kComputer, strength, state, error)) {
        return "moves " + fuzzed.moves + " refused: " + error;
    }
    const std::array<int16, kCellCount> cellsBefore = state.Cells;
    const std::array<int16, kColumnCount> columnsBefore = state.ColumnState;

    ScriptedRandom random(fuzzed.draws);
    ComputerPlayer player(random);
    int yields = 0;
    const YieldHook countYields{[](void* count) { ++*static_cast<int*>(count); }, &yields};
    const int16 code = player.ChooseColumn(state, countYields);

    const std::string where = "moves " + fuzzed.moves + " strength " +
                              std::to_string(fuzzed.strength) + ": column code " +
                              std::to_string(code);
    if (code < kFirstColumnCode || code > kLastColumnCode) return where + " is not a column";
    const int column = code - kFirstColumnCode;
    if (columnsBefore[column] != kColumnOpen || cellsBefore[column] != 0) {
        return where + " names a full column";
    }
    if (state.Cells != cellsBefore) return where + ": the pipeline changed the stones";

    static SwappableRandom longLivedRandom;
    static ComputerPlayer longLived(longLivedRandom);
    ScriptedRandom sameDraws(fuzzed.draws);
    longLivedRandom.Use(sameDraws);
    GameState again;
    BuildPosition(fuzzed.moves, first, kComputer, strength, again, error);
    const int16 codeAgain = longLived.ChooseColumn(again, YieldHook{});
    if (codeAgain != code || longLived.decidingStage() != player.decidingStage()) {
        return where + " from a fresh player, " + std::to_string(codeAgain) +
               " from one that moved before";
    }
    return {};
}

}  // namespace tessora::fuzz
