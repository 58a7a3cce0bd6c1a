#pragma once

#include "ai/Workspace.h"

namespace tessora::linepatterns {

// A Board cell by absolute (row, column).
struct Cell {
    int row;
    int column;
};

// The anchor of one rule step. Rules name their cells by the offset (dr, dc) from it:
// anchor(dr, dc) is Board(row + dr, column + dc).
struct Anchor {
    int row;
    int column;
    constexpr Cell operator()(int dr, int dc) const { return Cell{row + dr, column + dc}; }
};

// First and last value of a loop, both included.
struct Span {
    int first;
    int last;
};

// Anchors of a rule: rows form the outer loop, columns the inner one.
struct AnchorRange {
    Span rows;
    Span columns;
};

// Whether a rule lets the window process its events after every anchor.
enum class Events : std::uint8_t { AfterEachAnchor, None };

// One pass of the line patterns for one examined colour. The own pass (colour equals SideCode)
// writes AttackScore, the other pass DefenceScore; every rule asks this object which one runs.
class LinePass {
  public:
    LinePass(Workspace& ws, int16 colour) : ws_(ws), colour_(colour) {}

    // Names the rule in the trace; every rule calls it before it looks at the board.
    void BeginRule(int rule) { ws_.SetOrigin(Stage::ScoreLinePatterns, rule, colour_); }
    void DoEvents() const { ws_.DoEvents(); }

    bool IsOwnPass() const { return ws_.IsOwnPass(colour_); }
    int16 colour() const { return colour_; }
    // The code of the side not examined: the opponent in the own pass, the computer otherwise.
    int16 OtherSide() const { return IsOwnPass() ? OpponentCode : OwnCode; }

    // --- board tests ---
    int16 At(Cell cell) const { return ws_.board(cell.row, cell.column); }
    bool Holds(Cell cell, int16 code) const { return At(cell) == code; }
    bool X(Cell cell) const { return At(cell) == colour_; }
    bool NotX(Cell cell) const { return At(cell) != colour_; }
    bool Empty(Cell cell) const { return At(cell) == 0; }
    bool NonEmpty(Cell cell) const { return At(cell) != 0; }
    // Any value but the opponent's code, in both passes.
    bool NotOpp(Cell cell) const { return At(cell) != OpponentCode; }
    bool Supported(Cell cell) const { return ws_.Supported(cell.row, cell.column); }
    bool Playable(Cell cell) const { return ws_.Playable(cell.row, cell.column); }

    // --- grid reads ---
    int16 AttackScore(Cell cell) const { return grids().AttackScore.at(cell.row, cell.column); }
    int16 DefenceScore(Cell cell) const { return grids().DefenceScore.at(cell.row, cell.column); }
    int16 OwnThreat(Cell cell) const { return grids().OwnThreat.at(cell.row, cell.column); }
    int16 FoeThreat(Cell cell) const { return grids().FoeThreat.at(cell.row, cell.column); }
    int16 AvoidMark(Cell cell) const { return grids().AvoidMark.at(cell.row, cell.column); }

    // --- effects ---
    // "+own / +other at cell": AttackScore in the own pass, DefenceScore in the other pass.
    void Bonus(Cell cell, int own, int other) {
        if (IsOwnPass()) {
            AddAttack(cell, own);
        } else {
            AddDefence(cell, other);
        }
    }
    // "-own / -other at cell".
    void Deduct(Cell cell, int own, int other) { Bonus(cell, -own, -other); }
    void AddAttack(Cell cell, int points) {
        ws_.add(ws_.grids().AttackScore, cell.row, cell.column, points);
    }
    void AddDefence(Cell cell, int points) {
        ws_.add(ws_.grids().DefenceScore, cell.row, cell.column, points);
    }
    void MarkAvoid(Cell cell) { ws_.mark(ws_.grids().AvoidMark, cell.row, cell.column); }
    void MarkCaution(Cell cell) { ws_.mark(ws_.grids().CautionMark, cell.row, cell.column); }
    void MarkDoubt(Cell cell) { ws_.mark(ws_.grids().DoubtMark, cell.row, cell.column); }

  private:
    const Grids& grids() const { return ws_.grids(); }

    Workspace& ws_;
    int16 colour_;
};

// Runs body(anchor) for every anchor of the range, rows outer and columns inner, and lets the
// window process its events after each anchor unless the rule says otherwise.
template <typename Body>
void ForEachAnchor(const LinePass& pass, AnchorRange range, Events events, Body&& body) {
    for (int r = range.rows.first; r <= range.rows.last; ++r) {
        for (int c = range.columns.first; c <= range.columns.last; ++c) {
            body(Anchor{r, c});
            if (events == Events::AfterEachAnchor) pass.DoEvents();
        }
    }
}

// The step shared by the playable-or-prepare rules: a supported target gets the bonus;
// otherwise, when the cell under the target is playable, that cell is marked (CautionMark in
// the own pass, AvoidMark in the other) and loses the given points.
struct PrepareDeduction {
    int own;    // taken from AttackScore in the own pass
    int other;  // taken from DefenceScore in the other pass (0 for most rules)
};
inline void PlayOrPrepare(LinePass& pass, Cell target, int own, int other,
                          PrepareDeduction deduction) {
    if (pass.Supported(target)) {
        pass.Bonus(target, own, other);
        return;
    }
    const Cell below{target.row + 1, target.column};
    const Cell twoBelow{target.row + 2, target.column};
    if (!pass.NonEmpty(twoBelow)) return;
    if (pass.IsOwnPass()) {
        pass.MarkCaution(below);
        pass.AddAttack(below, -deduction.own);
    } else {
        pass.MarkAvoid(below);
        if (deduction.other != 0) pass.AddDefence(below, -deduction.other);
    }
}

}  // namespace tessora::linepatterns
