#pragma once

#include "ai/Workspace.h"

namespace tessora::linepatterns {

// Points for the own pass (AttackScore) and for the other pass (DefenceScore).
struct Points {
    int own;
    int other;
};

// Points several rules give, own pass / other pass.
constexpr Points kTwoThreats{32, 30};  // a stone on the target makes two threats at once

// One pass of the line patterns for one examined colour. The own pass (colour equals SideCode)
// writes AttackScore, the other pass DefenceScore; every rule asks this object which one runs.
// A rule's start cells are its anchors: it names the cells of its shape by their offset from
// the anchor a, a(dr, dc) being Board(a.row + dr, a.column + dc).
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
    int16 At(Cell cell) const { return ws_.board(cell); }
    bool Holds(Cell cell, int16 code) const { return At(cell) == code; }
    bool X(Cell cell) const { return At(cell) == colour_; }
    bool NotX(Cell cell) const { return At(cell) != colour_; }
    bool Empty(Cell cell) const { return At(cell) == 0; }
    bool NonEmpty(Cell cell) const { return At(cell) != 0; }
    // Any value but the opponent's code, in both passes.
    bool NotOpp(Cell cell) const { return At(cell) != OpponentCode; }
    bool Supported(Cell cell) const { return ws_.Supported(cell); }
    bool Playable(Cell cell) const { return ws_.Playable(cell); }

    // --- grid reads ---
    int16 AttackScore(Cell cell) const { return grids().AttackScore.at(cell); }
    int16 DefenceScore(Cell cell) const { return grids().DefenceScore.at(cell); }
    int16 OwnThreat(Cell cell) const { return grids().OwnThreat.at(cell); }
    int16 FoeThreat(Cell cell) const { return grids().FoeThreat.at(cell); }
    int16 AvoidMark(Cell cell) const { return grids().AvoidMark.at(cell); }

    // --- effects ---
    // "+own / +other at cell": AttackScore in the own pass, DefenceScore in the other pass.
    void Bonus(Cell cell, int own, int other) {
        if (IsOwnPass()) {
            AddAttack(cell, own);
        } else {
            AddDefence(cell, other);
        }
    }
    void Bonus(Cell cell, Points points) { Bonus(cell, points.own, points.other); }
    // "-own / -other at cell".
    void Deduct(Cell cell, int own, int other) { Bonus(cell, -own, -other); }
    void AddAttack(Cell cell, int points) { ws_.add(ws_.grids().AttackScore, cell, points); }
    void AddDefence(Cell cell, int points) { ws_.add(ws_.grids().DefenceScore, cell, points); }
    void MarkAvoid(Cell cell) { ws_.mark(ws_.grids().AvoidMark, cell); }
    void MarkCaution(Cell cell) { ws_.mark(ws_.grids().CautionMark, cell); }
    void MarkDoubt(Cell cell) { ws_.mark(ws_.grids().DoubtMark, cell); }

  private:
    const Grids& grids() const { return ws_.grids(); }

    Workspace& ws_;
    int16 colour_;
};

// The step shared by the playable-or-prepare rules: a supported target gets the bonus;
// otherwise, when the cell under the target is playable, that cell is marked (CautionMark in
// the own pass, AvoidMark in the other) and loses the given points.
struct PrepareDeduction {
    int own;    // taken from AttackScore in the own pass
    int other;  // taken from DefenceScore in the other pass (0 for most rules)
};
inline void PlayOrPrepare(LinePass& pass, Cell target, Points points, PrepareDeduction deduction) {
    if (pass.Supported(target)) {
        pass.Bonus(target, points);
        return;
    }
    const Cell below = target.Below();
    const Cell twoBelow = below.Below();
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
