#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ai/threats/ScanThreats.h"
#include "tests/support/DrawnBoard.h"

namespace tessora {
namespace {

// Swaps the two sides of a drawn board, so one drawing serves both scans.
std::string SwapSides(std::string_view board) {
    std::string swapped(board);
    for (char& ch : swapped)
        ch = ch == 'x' ? 'o' : ch == 'o' ? 'x' : ch;
    return swapped;
}

// Mirrors a drawn board left to right: down-right diagonals become down-left ones.
std::string Mirror(std::string_view board) {
    std::string mirrored;
    std::size_t start = 0;
    while (start < board.size()) {
        std::size_t end = board.find('\n', start);
        if (end == std::string_view::npos) end = board.size();
        std::string row(board.substr(start, end - start));
        mirrored.append(row.rbegin(), row.rend());
        mirrored += '\n';
        start = end + 1;
    }
    return mirrored;
}

struct ThreatScanBench {
    explicit ThreatScanBench(std::string_view board)
        : state(test::PositionFromText(board)), random({0.2}), ws(state, random, YieldHook{}) {
        ws.AttachTrace(&trace);
    }
    int Scan(int16 colour) {
        const int16 code = ScanThreats(ws, colour);
        return code == 0 ? 0 : code - 149;
    }
    int at(GridId grid, int row, int column) const { return ws.grids().get(grid).at(row, column); }
    // The scan number that last changed a cell of a grid, or 0.
    int ScanThatChanged(GridId grid, int row, int column) const {
        int scan = 0;
        for (const TraceRecord& record : trace) {
            if (record.grid == grid && record.row == row && record.column == column) {
                scan = record.origin.rule;
            }
        }
        return scan;
    }
    // Sum over all cells of a grid, to show that nothing else was written.
    int Total(GridId id) const {
        const Grid& grid = ws.grids().get(id);
        int total = 0;
        for (int r = grid.firstRow(); r <= grid.lastRow(); ++r) {
            for (int c = 1; c <= kColumnCount; ++c)
                total += grid.at(r, c) != 0 ? 1 : 0;
        }
        return total;
    }

    GameState state;
    ScriptedRandom random;
    Workspace ws;
    Trace trace;
};

struct WindowCase {
    int scan;
    std::string board;  // 'x' holds the three stones; the gap is playable
    int gapRow;
    int gapColumn;
};

// Only the stones that matter are drawn, with a stone under every gap above the bottom row.
const std::string kDownRight6 = ".......\n.......\n.......\nox.....\n..x....\n...x...\n";
const std::string kDownRight7 = ".......\n.......\nx......\n.......\n.ox....\n...x...\n";
const std::string kDownRight8 = ".......\n.......\nx......\n.x.....\n.......\n..ox...\n";
const std::string kDownRight9 = ".......\n.......\nx......\n.x.....\n..x....\n.......\n";

const WindowCase kWindowCases[] = {
    {1, ".......\n.......\n.......\n.......\n.......\nxxx....\n", 6, 4},
    {2, ".......\n.......\n.......\n.......\n.xx.x..\n...o...\n", 5, 4},
    {3, ".......\n.......\n.......\n.......\n.......\n...x.xx\n", 6, 5},
    {4, ".......\n.......\n.......\n.......\n.......\n.xxxo..\n", 6, 1},
    {6, kDownRight6, 3, 1},
    {7, kDownRight7, 4, 2},
    {8, kDownRight8, 5, 3},
    {9, kDownRight9, 6, 4},
    {10, Mirror(kDownRight6), 3, 7},
    {11, Mirror(kDownRight7), 4, 6},
    {12, Mirror(kDownRight8), 5, 5},
    {13, Mirror(kDownRight9), 6, 4},
};

class ThreatWindowScan : public testing::TestWithParam<WindowCase> {};

TEST_P(ThreatWindowScan, OwnPlayableGapIsAWinAndAThreat) {
    const WindowCase& window = GetParam();
    ThreatScanBench bench(window.board);
    EXPECT_EQ(bench.Scan(OwnCode), window.gapColumn);
    EXPECT_EQ(bench.at(GridId::AttackScore, window.gapRow, window.gapColumn), 101);
    EXPECT_EQ(bench.at(GridId::OwnThreat, window.gapRow, window.gapColumn), 1);
    EXPECT_EQ(bench.ScanThatChanged(GridId::AttackScore, window.gapRow, window.gapColumn),
              window.scan);
    EXPECT_EQ(bench.Total(GridId::DefenceScore), 0);
    EXPECT_EQ(bench.Total(GridId::FoeThreat), 0);
    EXPECT_EQ(bench.Total(GridId::AvoidMark), 0);
}

TEST_P(ThreatWindowScan, OpponentPlayableGapIsABlockAndAFoeThreat) {
    const WindowCase& window = GetParam();
    ThreatScanBench bench(SwapSides(window.board));
    EXPECT_EQ(bench.Scan(OpponentCode), window.gapColumn);
    EXPECT_EQ(bench.at(GridId::DefenceScore, window.gapRow, window.gapColumn), 101);
    EXPECT_EQ(bench.at(GridId::FoeThreat, window.gapRow, window.gapColumn), 1);
    EXPECT_EQ(bench.ScanThatChanged(GridId::FoeThreat, window.gapRow, window.gapColumn),
              window.scan);
    EXPECT_EQ(bench.Total(GridId::AttackScore), 0);
    EXPECT_EQ(bench.Total(GridId::OwnThreat), 0);
    for (const TraceRecord& record : bench.trace) {
        EXPECT_EQ(record.origin.stage, Stage::ScanThreats);
        EXPECT_EQ(record.origin.colour, OpponentCode);
    }
}

TEST_P(ThreatWindowScan, OtherSideFindsNothing) {
    ThreatScanBench bench(GetParam().board);
    EXPECT_EQ(bench.Scan(OpponentCode), 0);
    EXPECT_EQ(bench.Total(GridId::FoeThreat), 0);
    EXPECT_EQ(bench.Total(GridId::DefenceScore), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryDirectionAndGap, ThreatWindowScan, testing::ValuesIn(kWindowCases),
                         [](const testing::TestParamInfo<WindowCase>& info) {
                             return "Scan" + std::to_string(info.param.scan);
                         });

// Only the down-right window whose gap is its last cell also counts its first stone as a threat
// cell, for the computer's own stones and whether or not the gap is playable.
TEST(ThreatScan, LastGapDownRightMarksItsFirstStoneForTheOwnSideOnly) {
    const std::string playable = ".......\n.......\nx......\nox.....\noox....\nxoo....\n";
    ThreatScanBench own(playable);
    own.Scan(OwnCode);
    EXPECT_EQ(own.at(GridId::OwnThreat, 3, 1), 1);
    EXPECT_EQ(own.ScanThatChanged(GridId::OwnThreat, 3, 1), 9);

    ThreatScanBench opponent(SwapSides(playable));
    opponent.Scan(OpponentCode);
    EXPECT_EQ(opponent.at(GridId::FoeThreat, 3, 1), 0);
    EXPECT_EQ(opponent.Total(GridId::FoeThreat), 1);

    // Gap (5, 4) over an empty cell: the first stone is still counted.
    ThreatScanBench hanging(".......\nx......\n.x.....\n..x....\n.......\n.......\n");
    EXPECT_EQ(hanging.Scan(OwnCode), 0);
    EXPECT_EQ(hanging.at(GridId::OwnThreat, 5, 4), 1);
    EXPECT_EQ(hanging.at(GridId::OwnThreat, 2, 1), 1);
    EXPECT_EQ(hanging.at(GridId::AvoidMark, 6, 4), 1);
}

// The opponent's gap in row 3 hangs over an empty row-4 cell that is the next free cell.
constexpr std::string_view kHangingGapBoard =
    ".......\n"
    ".......\n"
    "ooo....\n"
    ".......\n"
    "...x...\n"
    ".......\n";

TEST(ThreatScan, OpponentGapOverTheNextFreeCellForbidsThatCell) {
    ThreatScanBench bench(kHangingGapBoard);
    EXPECT_EQ(bench.Scan(OpponentCode), 0);
    EXPECT_EQ(bench.at(GridId::FoeThreat, 3, 4), 1);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 3, 4), 0);
    EXPECT_EQ(bench.at(GridId::ForbiddenMark, 4, 4), 1);
    EXPECT_EQ(bench.at(GridId::CautionMark, 5, 4), 1);
    EXPECT_EQ(bench.at(GridId::AttackScore, 5, 4), -3);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 5, 4), -3);
    EXPECT_EQ(bench.Total(GridId::AvoidMark), 0);
    // Whatever the cell under the gap scores, it is never chosen.
    bench.ws.set(bench.ws.grids().AttackScore, 4, 4, 500);
    EXPECT_EQ(ScanThreats(bench.ws, OpponentCode), 0);
}

TEST(ThreatScan, OwnGapOverTheNextFreeCellOnlyAvoidsThatCell) {
    ThreatScanBench bench(SwapSides(kHangingGapBoard));
    EXPECT_EQ(bench.Scan(OwnCode), 0);
    EXPECT_EQ(bench.at(GridId::OwnThreat, 3, 4), 1);
    EXPECT_EQ(bench.at(GridId::AvoidMark, 4, 4), 1);
    EXPECT_EQ(bench.at(GridId::AttackScore, 5, 4), -3);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 5, 4), -3);
    EXPECT_EQ(bench.Total(GridId::ForbiddenMark), 0);
    EXPECT_EQ(bench.Total(GridId::CautionMark), 0);
}

TEST(ThreatScan, GapHighAboveEmptyCellsSetsNoForbiddenMark) {
    ThreatScanBench bench(
        ".......\n"
        ".......\n"
        "ooo....\n"
        ".......\n"
        ".......\n"
        "...x...\n");
    bench.Scan(OpponentCode);
    EXPECT_EQ(bench.at(GridId::FoeThreat, 3, 4), 1);
    EXPECT_EQ(bench.at(GridId::CautionMark, 5, 4), 1);
    EXPECT_EQ(bench.at(GridId::AttackScore, 5, 4), -3);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 5, 4), -3);
    EXPECT_EQ(bench.Total(GridId::ForbiddenMark), 0);
}

// A gap in row 5 over an empty bottom cell: the cell two below is the floor row, and the
// cell directly below is the next free cell.
TEST(ThreatScan, GapInRowFiveMarksTheBottomCellAndWritesTwoBelowIntoTheFloorRow) {
    ThreatScanBench bench(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "ooo....\n"
        ".......\n");
    EXPECT_EQ(bench.Scan(OpponentCode), 0);
    EXPECT_EQ(bench.at(GridId::FoeThreat, 5, 4), 1);
    EXPECT_EQ(bench.at(GridId::ForbiddenMark, 6, 4), 1);
    EXPECT_EQ(bench.at(GridId::CautionMark, 7, 4), 1);
    EXPECT_EQ(bench.at(GridId::AttackScore, 7, 4), -3);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 7, 4), -3);
}

TEST(ThreatScan, VerticalThreeScoresTheCellAboveWithoutThreatMapOrMarks) {
    ThreatScanBench bench(
        ".......\n"
        ".......\n"
        ".......\n"
        "..o....\n"
        "..o.x..\n"
        "..o.x..\n");
    EXPECT_EQ(bench.Scan(OpponentCode), 3);
    EXPECT_EQ(bench.at(GridId::DefenceScore, 3, 3), 101);
    EXPECT_EQ(bench.ScanThatChanged(GridId::DefenceScore, 3, 3), 5);
    EXPECT_EQ(bench.Total(GridId::FoeThreat), 0);
    EXPECT_EQ(bench.Total(GridId::ForbiddenMark), 0);
    EXPECT_EQ(bench.Total(GridId::CautionMark), 0);
    EXPECT_EQ(bench.trace.size(), 1u);
}

TEST(ThreatScan, VerticalThreeUnderTheTopRowScoresTheTopCell) {
    ThreatScanBench bench(
        ".......\n"
        "......x\n"
        "......x\n"
        "......x\n"
        "......o\n"
        "......o\n");
    EXPECT_EQ(bench.Scan(OwnCode), 7);
    EXPECT_EQ(bench.at(GridId::AttackScore, 1, 7), 101);
}

TEST(ThreatScan, GapCompletingSeveralWindowsCollectsPointsFromEach) {
    ThreatScanBench bench(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "xxx.xxx\n");
    EXPECT_EQ(bench.Scan(OwnCode), 4);
    EXPECT_EQ(bench.at(GridId::AttackScore, 6, 4), 404);
    EXPECT_EQ(bench.at(GridId::OwnThreat, 6, 4), 1);
}

TEST(ThreatScan, WinIsTakenBeforeTheOpponentPassCanForbidIt) {
    ThreatScanBench bench(
        ".......\n"
        ".......\n"
        ".......\n"
        "...o...\n"
        "...o...\n"
        "xxx.o..\n");
    EXPECT_EQ(bench.Scan(OwnCode), 4);
}

TEST(ThreatScan, EmptyBoardChangesNothing) {
    ThreatScanBench bench(".......\n.......\n.......\n.......\n.......\n.......\n");
    EXPECT_EQ(bench.Scan(OwnCode), 0);
    EXPECT_EQ(bench.Scan(OpponentCode), 0);
    EXPECT_TRUE(bench.trace.empty());
}

TEST(ThreatScan, YieldsAfterEveryStartCellOfEveryScan) {
    GameState state =
        test::PositionFromText(".......\n.......\n.......\n.......\n.......\n...x...\n");
    ScriptedRandom random({0.2});
    int yields = 0;
    const YieldHook hook{[](void* count) { ++*static_cast<int*>(count); }, &yields};
    Workspace ws(state, random, hook);
    ScanThreats(ws, OwnCode);
    // Four row scans of 24 start cells, the column scan of 21, eight diagonal scans of 12.
    EXPECT_EQ(yields, 4 * 24 + 21 + 8 * 12);
}

}  // namespace
}  // namespace tessora
