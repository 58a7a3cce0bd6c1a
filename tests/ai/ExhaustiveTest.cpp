// Runs the computer player on every position reachable with up to six stones and on many random
// legal positions, and checks that it always names an open column. In the sanitizer build every
// board and grid index is also checked against its declared range.
#include <gtest/gtest.h>

#include <random>
#include <unordered_set>

#include "ai/ComputerPlayer.h"
#include "core/Position.h"
#include "platform/Random.h"

namespace tessora {
namespace {

// A position as the game hands it to the computer player, its stones dropped by the game
// core's own bookkeeping, with the side to move next.
struct Position {
    explicit Position(int16 firstPlayer) : next(firstPlayer) { SetUpEmptyPosition(state); }

    // Drops the next stone into the column (0..6); false when the column is full.
    bool Drop(int column) {
        if (state.ColumnFull(column)) return false;
        outcome = PlaceStone(state, column, next);
        if (next == kComputer) ++computerStones;
        next = next == kHuman ? kComputer : kHuman;
        return true;
    }
    bool Finished() const { return outcome.GameOver(); }
    bool ComputerToMove() const { return next == kComputer; }
    std::uint64_t Key() const {
        std::uint64_t key = 0;
        for (int16 v : state.Cells)
            key = key * 3 + static_cast<std::uint64_t>(v);
        return key;
    }
    GameState ToState(int16 strength) const {
        GameState s = state;
        LetComputerMove(s, computerStones);
        s.options.Strength = strength;
        return s;
    }

    GameState state;
    StoneOutcome outcome;
    int16 next;
    int computerStones = 0;
};

// The chosen column must be 1..7 and open in the position.
void ExpectLegalChoice(ComputerPlayer& player, const Position& position, int16 strength) {
    GameState state = position.ToState(strength);
    const int16 code = player.ChooseColumn(state, YieldHook{});
    ASSERT_GE(code, kFirstColumnCode);
    ASSERT_LE(code, kLastColumnCode);
    ASSERT_EQ(state.Cells[code - kFirstColumnCode], 0) << "column " << code - 149 << " is full";
}

void VisitAll(const Position& position, int stonesLeft, std::unordered_set<std::uint64_t>& seen,
              ComputerPlayer& player, int& visited) {
    if (!seen.insert(position.Key()).second) return;
    if (position.Finished()) return;
    if (position.ComputerToMove()) {
        for (int16 strength : {1, 3, 4})
            ExpectLegalChoice(player, position, strength);
        ++visited;
    }
    if (stonesLeft == 0) return;
    for (int column = 0; column < kColumnCount; ++column) {
        Position next = position;
        if (next.Drop(column)) VisitAll(next, stonesLeft - 1, seen, player, visited);
    }
}

TEST(ComputerPlayerCoverage, EveryPositionUpToSixStonesGetsAnOpenColumn) {
    ScriptedRandom random({0.0, 0.999, 0.5, 0.25, 0.75});
    ComputerPlayer player(random);
    int visited = 0;
    for (int16 first : {kHuman, kComputer}) {
        std::unordered_set<std::uint64_t> seen;
        VisitAll(Position(first), 6, seen, player, visited);
    }
    EXPECT_GT(visited, 10000);
}

TEST(ComputerPlayerCoverage, RandomLegalPositionsGetAnOpenColumn) {
    std::mt19937 rng(20261207);
    ScriptedRandom random({0.31, 0.999, 0.0, 0.62, 0.48, 0.07, 0.85});
    ComputerPlayer player(random);
    constexpr int kPositions = 100'000;
    int checked = 0;
    while (checked < kPositions) {
        Position position(rng() % 2 == 0 ? kHuman : kComputer);
        const int stones = static_cast<int>(rng() % 42);
        bool ok = true;
        for (int k = 0; k < stones && ok; ++k) {
            int column = static_cast<int>(rng() % 7);
            int tries = 0;
            while (!position.Drop(column) && ++tries < 7)
                column = (column + 1) % 7;
            ok = tries < 7 && !position.Finished();
        }
        if (!ok || position.Finished() || !position.ComputerToMove()) continue;
        ExpectLegalChoice(player, position, static_cast<int16>(1 + checked % 4));
        if (HasFatalFailure()) return;
        ++checked;
    }
}

}  // namespace
}  // namespace tessora
