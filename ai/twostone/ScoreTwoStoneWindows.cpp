#include "ai/twostone/ScoreTwoStoneWindows.h"

#include "ai/twostone/TwoStoneScans.h"

namespace tessora {

namespace {

struct Cell {
    int row;
    int column;
};

Cell Below(Cell cell) {
    return Cell{cell.row + 1, cell.column};
}
Cell Above(Cell cell) {
    return Cell{cell.row - 1, cell.column};
}

// One matching window as the rules see it: the empty cell E being scored and the other one, O.
struct EmptyPair {
    Cell e;
    Cell o;
    int position;  // 0 for E1, 1 for E2
};

class WindowScorer {
  public:
    WindowScorer(Workspace& ws, const TwoStoneScan& scan, int16 colour)
        : ws_(ws), scan_(scan), colour_(colour), own_(ws.IsOwnPass(colour)) {}

    void Score(int startRow, int startColumn) {
        if (!Matches(startRow, startColumn)) return;
        startRow_ = startRow;
        const Cell e1 = CellAt(startRow, startColumn, scan_.empty[0]);
        const Cell e2 = CellAt(startRow, startColumn, scan_.empty[1]);
        const EmptyPair first{e1, e2, 0};
        const EmptyPair second{e2, e1, 1};
        UnderEmptyCell(first);
        PlayableEmptyCell(first);
        PlayableEmptyCell(second);
        UnderEmptyCell(second);
    }

  private:
    Cell CellAt(int startRow, int startColumn, int position) const {
        const TwoStoneDirection& d = scan_.direction;
        return Cell{startRow + position * d.dRow, startColumn + position * d.dColumn};
    }

    int16 BoardAt(Cell cell) const { return ws_.board(cell.row, cell.column); }
    bool Set(const Grid& grid, Cell cell) const { return grid.at(cell.row, cell.column) > 0; }

    // Both stone positions hold the colour and both empty positions hold 0.
    bool Matches(int startRow, int startColumn) const {
        for (int position : {scan_.stoneA, scan_.stoneB}) {
            if (BoardAt(CellAt(startRow, startColumn, position)) != colour_) return false;
        }
        for (int position : scan_.empty) {
            if (BoardAt(CellAt(startRow, startColumn, position)) != 0) return false;
        }
        return true;
    }

    // Rule U, opponent pass only: a stone can be played below E, after which the other side
    // could take E. Warn about the cell below E, and avoid it when the opponent already has a
    // threat above O.
    void UnderEmptyCell(const EmptyPair& pair) {
        if (own_) return;
        const Cell under = Below(pair.e);
        if (BoardAt(under) != 0 || BoardAt(Below(under)) == 0) return;
        Grids& g = ws_.grids();
        ws_.mark(g.CautionMark, under.row, under.column);
        if (scan_.quirk == TwoStoneQuirk::AvoidUnderFoeThreatBelowO && pair.position == 1 &&
            Set(g.FoeThreat, Below(pair.o))) {
            ws_.mark(g.AvoidMark, under.row, under.column);
        }
        ws_.add(g.AttackScore, under.row, under.column, -kUnderEmptyPenalty);
        if (Set(g.FoeThreat, Above(pair.o))) ws_.mark(g.AvoidMark, under.row, under.column);
    }

    // Rule P: E can be played now. Every test that holds adds its points.
    void PlayableEmptyCell(const EmptyPair& pair) {
        if (BoardAt(Below(pair.e)) == 0) return;
        const EmptyCellBonus& bonus = scan_.bonus[pair.position];
        const Grids& g = ws_.grids();
        const Grid& mine = own_ ? g.OwnThreat : g.FoeThreat;
        const Grid& theirs = own_ ? g.FoeThreat : g.OwnThreat;
        Grid& scores = own_ ? ws_.grids().AttackScore : ws_.grids().DefenceScore;

        const int lowerBonus = own_ ? kLowerOwnThreatPoints : bonus.lower;
        const int upperBonus = own_ ? bonus.stacked : UpperBonus(bonus, pair.position);
        if (mine.at(pair.o.row, pair.o.column) == 0) AddTo(scores, pair.e, bonus.newThreat);
        if (Set(mine, Below(pair.o))) AddTo(scores, pair.e, lowerBonus);
        if (Set(mine, Above(pair.o))) AddTo(scores, pair.e, upperBonus);
        if (Set(theirs, Below(pair.o)) || Set(theirs, pair.o)) {
            AddTo(scores, pair.e, kOtherSideThreatPoints);
        }
    }

    int UpperBonus(const EmptyCellBonus& bonus, int position) const {
        if (scan_.quirk == TwoStoneQuirk::UpperBonusGrowsWithStartRow && position == 1) {
            return bonus.upper + startRow_;
        }
        return bonus.upper;
    }

    void AddTo(Grid& grid, Cell cell, int points) { ws_.add(grid, cell.row, cell.column, points); }

    Workspace& ws_;
    const TwoStoneScan& scan_;
    int16 colour_;
    bool own_;
    int startRow_ = 0;
};

// One scan: every window of its direction, rows outside and columns inside, with a yield
// after each window whether it matched or not.
void TwoStoneWindowScan(Workspace& ws, const TwoStoneScan& scan, int16 colour) {
    WindowScorer scorer(ws, scan, colour);
    const TwoStoneDirection& d = scan.direction;
    for (int row = d.firstRow; row <= d.lastRow; ++row) {
        for (int column = d.firstColumn; column <= d.lastColumn; ++column) {
            scorer.Score(row, column);
            ws.DoEvents();
        }
    }
}

}  // namespace

void ScoreTwoStoneWindows(Workspace& ws, int16 colour) {
    for (const TwoStoneScan& scan : kTwoStoneScans) {
        ws.SetOrigin(Stage::ScoreTwoStoneWindows, scan.number, colour);
        TwoStoneWindowScan(ws, scan, colour);
    }
}

}  // namespace tessora
