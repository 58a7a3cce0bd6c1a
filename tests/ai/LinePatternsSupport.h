#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ai/Workspace.h"
#include "ai/linepatterns/ScoreLinePatterns.h"
#include "tests/support/DrawnBoard.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora::test {

// A Board cell (row, column).
struct Spot {
    int row;
    int column;
};

// One change a rule makes to one grid cell: the amount added (a mark set from 0 to 1 is +1).
struct Effect {
    GridId grid;
    int row;
    int column;
    int change;
    bool operator==(const Effect&) const = default;
};

inline void PrintTo(const Effect& effect, std::ostream* out) {
    *out << GridName(effect.grid) << "(" << effect.row << "," << effect.column << ") "
         << (effect.change >= 0 ? "+" : "") << effect.change;
}

// A rule shape drawn as six rows of seven cells, top row first, rows separated by spaces:
//   x  a stone of the examined colour the rule needs
//   _  an empty cell the rule needs
//   o  a stone of the other side on a cell the rule needs to be occupied
//   X, O  stones that are there but not needed by every branch; .  an empty cell
// The own pass examines 'x' as code 1; the other pass draws the same shape with the sides
// swapped and examines code 2.
class Shape {
  public:
    explicit Shape(std::string_view drawing) {
        for (char ch : drawing) {
            if (ch != ' ') cells_.push_back(ch);
        }
        if (cells_.size() != 42) throw std::invalid_argument("a shape has 6 rows of 7 cells");
    }

    // Indexes of the cells the rule needs.
    std::vector<int> RequiredCells() const {
        std::vector<int> required;
        for (int i = 0; i < 42; ++i) {
            const char ch = cells_[i];
            if (ch == 'x' || ch == '_' || ch == 'o') required.push_back(i);
        }
        return required;
    }

    // The same shape with one needed cell spoilt: a stone removed, or an empty cell filled
    // with a stone of the other side.
    Shape Broken(int index) const {
        Shape broken = *this;
        char& ch = broken.cells_[index];
        ch = ch == '_' ? 'o' : '.';
        return broken;
    }

    static std::string CellName(int index) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
        // "(" + std::string.
        std::string name = "(";
        name += std::to_string(index / 7 + 1);
        name += ',';
        name += std::to_string(index % 7 + 1);
        name += ')';
        return name;
    }

    // The position with the examined colour drawn as own stones (otherPass false) or as the
    // other side's stones (otherPass true).
    GameState Position(bool otherPass) const {
        std::string text;
        for (int i = 0; i < 42; ++i) {
            const char ch = cells_[i];
            const bool examined = ch == 'x' || ch == 'X';
            const bool other = ch == 'o' || ch == 'O';
            text += examined ? (otherPass ? 'o' : 'x') : other ? (otherPass ? 'x' : 'o') : '.';
            if (i % 7 == 6) text += '\n';
        }
        return PositionFromText(text);
    }

  private:
    std::string cells_;
};

// Sets grid values before the pass runs, as earlier stages would (threat flags, scores).
using Preset = std::function<void(Workspace&)>;

// Runs the whole line pattern pass on the position and returns the changes one rule made,
// in the order it made them.
inline std::vector<Effect> RuleEffects(const GameState& state, int16 colour, int rule,
                                       const Preset& preset = {}) {
    ScriptedRandom random({0.5});
    Workspace ws(state, random, YieldHook{});
    if (preset) preset(ws);
    Trace trace;
    ws.AttachTrace(&trace);
    ScoreLinePatterns(ws, colour);
    std::vector<Effect> effects;
    for (const TraceRecord& record : trace) {
        if (record.origin.stage != Stage::ScoreLinePatterns || record.origin.rule != rule) {
            continue;
        }
        EXPECT_EQ(record.origin.colour, colour);
        effects.push_back(
            Effect{record.grid, record.row, record.column, record.after - record.before});
    }
    return effects;
}

// The changes of one rule in the own pass on the shape, or in the other pass on the shape
// drawn with the sides swapped.
inline std::vector<Effect> ShapeEffects(const Shape& shape, bool otherPass, int rule,
                                        const Preset& preset = {}) {
    return RuleEffects(shape.Position(otherPass), otherPass ? OpponentCode : OwnCode, rule, preset);
}

// Checks a shape: the effects of both passes, and that spoiling any one needed cell leaves the
// rule without effect.
inline void CheckShape(int rule, const Shape& shape, const std::vector<Effect>& own,
                       const std::vector<Effect>& other, const Preset& preset = {}) {
    EXPECT_EQ(ShapeEffects(shape, false, rule, preset), own) << "own pass";
    EXPECT_EQ(ShapeEffects(shape, true, rule, preset), other) << "other pass";
    for (int index : shape.RequiredCells()) {
        const Shape broken = shape.Broken(index);
        EXPECT_TRUE(ShapeEffects(broken, false, rule, preset).empty())
            << "own pass, spoilt cell " << Shape::CellName(index);
        EXPECT_TRUE(ShapeEffects(broken, true, rule, preset).empty())
            << "other pass, spoilt cell " << Shape::CellName(index);
    }
}

}  // namespace tessora::test
