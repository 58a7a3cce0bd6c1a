// The random opening: one draw per call; on the first move it adds a point to a bottom-row
// cell near the centre, on the second it may mark the whole bottom row as doubtful.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "ai/opening/RandomOpening.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::CellValues;
using test::NonZero;

// Remembers the order of re-seeding and drawing.
class RecordingRandom final : public RandomSource {
  public:
    explicit RecordingRandom(double value) : value_(value) {}
    void Randomize() override { calls += 'R'; }
    double Rnd() override {
        calls += 'D';
        return value_;
    }
    std::string calls;

  private:
    double value_;
};

struct OpeningCase {
    int16 moveCount;
    int drawn;  // the whole number 1..100 the draw turns into
    CellValues defence;
    CellValues doubt;
};
void PrintTo(const OpeningCase& c, std::ostream* os) {
    *os << "move count " << c.moveCount << ", value " << c.drawn;
}

class RandomOpeningBands : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(RandomOpeningBands, FollowTheDrawnValue) {
    const OpeningCase& c = GetParam();
    GameState state =
        test::PositionFromText(".......\n.......\n.......\n.......\n.......\n.......\n");
    state.MoveCount = c.moveCount;
    // The middle of the draw's interval for that value: r * 100 + 1 truncates to `drawn`.
    RecordingRandom random((c.drawn - 0.5) / 100.0);
    Workspace ws(state, random, YieldHook{});
    RandomOpening(ws);
    EXPECT_EQ(random.calls, "RD");
    EXPECT_EQ(NonZero(ws.grids().DefenceScore), c.defence);
    EXPECT_EQ(NonZero(ws.grids().DoubtMark), c.doubt);
    EXPECT_EQ(NonZero(ws.grids().AttackScore), CellValues{});
}

const CellValues kCentre{{{6, 4}, 1}};
const CellValues kLeft{{{6, 3}, 1}};
const CellValues kRight{{{6, 5}, 1}};
const CellValues kBottomRow{{{6, 1}, 1}, {{6, 2}, 1}, {{6, 3}, 1}, {{6, 4}, 1},
                            {{6, 5}, 1}, {{6, 6}, 1}, {{6, 7}, 1}};

INSTANTIATE_TEST_SUITE_P(
    FirstMove, RandomOpeningBands,
    ::testing::Values(OpeningCase{2, 1, kCentre, {}}, OpeningCase{2, 49, kCentre, {}},
                      OpeningCase{2, 50, {}, {}}, OpeningCase{2, 51, kLeft, {}},
                      OpeningCase{2, 73, kLeft, {}}, OpeningCase{2, 74, kRight, {}},
                      OpeningCase{2, 96, kRight, {}}, OpeningCase{2, 97, {}, {}},
                      OpeningCase{2, 100, {}, {}}));

INSTANTIATE_TEST_SUITE_P(SecondMove, RandomOpeningBands,
                         ::testing::Values(OpeningCase{4, 1, {}, kBottomRow},
                                           OpeningCase{4, 29, {}, kBottomRow},
                                           OpeningCase{4, 30, {}, {}},
                                           OpeningCase{4, 100, {}, {}}));

// The point goes to the bottom row of the column even when that cell is taken.
TEST(RandomOpening, PointLandsOnOccupiedBottomCell) {
    GameState state =
        test::PositionFromText(".......\n.......\n.......\n.......\n.......\n...o...\n");
    state.MoveCount = 2;
    ScriptedRandom random({0.2});
    Workspace ws(state, random, YieldHook{});
    RandomOpening(ws);
    EXPECT_EQ(ws.grids().DefenceScore.at(6, 4), 1);
    EXPECT_EQ(random.draws(), 1u);
}

}  // namespace
}  // namespace tessora
