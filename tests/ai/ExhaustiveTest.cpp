// Runs the computer player on every position reachable with up to six stones and on many random
// legal positions, and checks that it always names an open column. In the sanitizer build every
// board and grid index is also checked against its declared range.
#include <gtest/gtest.h>

#include <random>
#include <unordered_set>

#include "ai/ComputerPlayer.h"
#include "core/LineFinder.h"
#include "core/Position.h"
#include "platform/Random.h"

namespace tessora {
namespace {

// A position as the game hands it to the computer player, built move by move.
class Position {
  public:
    explicit Position(int16 firstPlayer) : next_(firstPlayer) {}

    bool Drop(int column) {
        for (int row = 5; row >= 0; --row) {
            const int cell = row * 7 + column;
            if (cells_[cell] == 0) {
                cells_[cell] = next_;
                if (next_ == kComputer) ++computerStones_;
                next_ = next_ == kHuman ? kComputer : kHuman;
                return true;
            }
        }
        return false;
    }
    bool Finished() const {
        if (FindLine(cells_, kHuman).direction != LineDirection::None) return true;
        if (FindLine(cells_, kComputer).direction != LineDirection::None) return true;
        for (int c = 0; c < kColumnCount; ++c) {
            if (cells_[c] == 0) return false;
        }
        return true;
    }
    bool ComputerToMove() const { return next_ == kComputer; }
    std::uint64_t Key() const {
        std::uint64_t key = 0;
        for (int16 v : cells_)
            key = key * 3 + static_cast<std::uint64_t>(v);
        return key;
    }
    GameState ToState(int16 strength) const {
        GameState s;
        SetUpEmptyPosition(s);
        s.Cells = cells_;
        RecountFullColumns(s);
        LetComputerMove(s, computerStones_);
        s.options.Strength = strength;
        return s;
    }

  private:
    std::array<int16, kCellCount> cells_{};
    int16 next_;
    int computerStones_ = 0;
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
