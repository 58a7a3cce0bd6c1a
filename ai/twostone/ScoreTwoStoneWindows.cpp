#include "ai/twostone/ScoreTwoStoneWindows.h"

#include "ai/twostone/TwoStoneScans.h"

namespace tessora {

namespace {

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

    void Score(Cell start) {
        if (!Matches(start)) return;
        startRow_ = start.row;
        const Cell e1 = CellAt(start, scan_.empty[0]);
        const Cell e2 = CellAt(start, scan_.empty[1]);
        const EmptyPair first{e1, e2, 0};
        const EmptyPair second{e2, e1, 1};
        UnderEmptyCell(first);
        PlayableEmptyCell(first);
        PlayableEmptyCell(second);
        UnderEmptyCell(second);
    }

  private:
    Cell CellAt(Cell start, int position) const { return start + position * scan_.direction.step; }

    int16 BoardAt(Cell cell) const { return ws_.board(cell); }
    static bool Set(const Grid& grid, Cell cell) { return grid.at(cell) > 0; }

    // Both stone positions hold the colour and both empty positions hold 0.
    bool Matches(Cell start) const {
        for (int position : {scan_.stoneA, scan_.stoneB}) {
            if (BoardAt(CellAt(start, position)) != colour_) return false;
        }
        for (int position : scan_.empty) {
            if (BoardAt(CellAt(start, position)) != 0) return false;
        }
        return true;
    }

    // Rule U, opponent pass only: a stone can be played below E, after which the other side
    // could take E. Warn about the cell below E, and avoid it when the opponent already has a
    // threat above O.
    void UnderEmptyCell(const EmptyPair& pair) {
        if (own_) return;
        const Cell under = pair.e.Below();
        if (BoardAt(under) != 0 || BoardAt(under.Below()) == 0) return;
        Grids& g = ws_.grids();
        ws_.mark(g.CautionMark, under);
        if (scan_.quirk == TwoStoneQuirk::AvoidUnderFoeThreatBelowO && pair.position == 1 &&
            Set(g.FoeThreat, pair.o.Below())) {
            ws_.mark(g.AvoidMark, under);
        }
        ws_.add(g.AttackScore, under, -kUnderEmptyPenalty);
        if (Set(g.FoeThreat, pair.o.Above())) ws_.mark(g.AvoidMark, under);
    }

    // Rule P: E can be played now. Every test that holds adds its points.
    void PlayableEmptyCell(const EmptyPair& pair) {
        if (BoardAt(pair.e.Below()) == 0) return;
        const EmptyCellBonus& bonus = scan_.bonus[pair.position];
        const Grids& g = ws_.grids();
        const Grid& mine = own_ ? g.OwnThreat : g.FoeThreat;
        const Grid& theirs = own_ ? g.FoeThreat : g.OwnThreat;
        Grid& scores = own_ ? ws_.grids().AttackScore : ws_.grids().DefenceScore;

        const int lowerBonus = own_ ? kLowerOwnThreatPoints : bonus.lower;
        const int upperBonus = own_ ? bonus.stacked : UpperBonus(bonus, pair.position);
        if (mine.at(pair.o) == 0) ws_.add(scores, pair.e, bonus.newThreat);
        if (Set(mine, pair.o.Below())) ws_.add(scores, pair.e, lowerBonus);
        if (Set(mine, pair.o.Above())) ws_.add(scores, pair.e, upperBonus);
        if (Set(theirs, pair.o.Below()) || Set(theirs, pair.o)) {
            ws_.add(scores, pair.e, kOtherSideThreatPoints);
        }
    }

    int UpperBonus(const EmptyCellBonus& bonus, int position) const {
        if (scan_.quirk == TwoStoneQuirk::UpperBonusGrowsWithStartRow && position == 1) {
            return bonus.upper + startRow_;
        }
        return bonus.upper;
    }

    Workspace& ws_;
    const TwoStoneScan& scan_;
    int16 colour_;
    bool own_;
    int startRow_ = 0;
};

}  // namespace

void ScoreTwoStoneWindows(Workspace& ws, int16 colour) {
    for (const TwoStoneScan& scan : kTwoStoneScans) {
        ws.SetOrigin(Stage::ScoreTwoStoneWindows, scan.number, colour);
        // Every window of the scan's direction, with a yield after each whether it matched or not.
        WindowScorer scorer(ws, scan, colour);
        ForEachStart(ws, scan.direction.starts, Yield::AfterEachStart,
                     [&](Cell start) { scorer.Score(start); });
    }
}

}  // namespace tessora
