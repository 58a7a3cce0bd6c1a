#include "ai/FallbackColumn.h"

namespace tessora {
namespace {

constexpr int kNoParity = 6;

// Each mark grid with the class it gives a column, strongest first.
struct MarkClass {
    GridId grid;
    int16 penalty;
};
constexpr std::array<MarkClass, 4> kMarkClasses{{
    {GridId::ForbiddenMark, kClassForbidden},
    {GridId::AvoidMark, kClassAvoid},
    {GridId::CautionMark, kClassCaution},
    {GridId::DoubtMark, kClassDoubt},
}};

// Lowering steps of the limit: when fewer than seven columns exceed `above`, subtract `step`.
struct LimitStep {
    int above;
    int step;
};
constexpr std::array<LimitStep, 4> kLimitSteps{{{15, 16}, {7, 8}, {3, 4}, {1, 2}}};
constexpr int kStartLimit = 30;

constexpr CellRange kPlayingCells{{1, kRowCount}, {1, kColumnCount}};

// Counts the empty cells from the top of an avoid-class column down to its first stone, as
// long as every one of them is an opponent threat or sits right above one; 0 otherwise.
int ThreatRunLength(const Workspace& ws, int column) {
    const Grid& foe = ws.grids().FoeThreat;
    int count = 0;
    for (int row = 1; row <= kRowCount; ++row) {
        if (ws.board(row, column) != 0) break;
        ++count;
        if (foe.at(row, column) == 0 && foe.at(row + 1, column) == 0) return 0;
    }
    return count;
}

// One draw per eligible column, in column order; the first largest weight wins.
int WeightedRandomColumn(Workspace& ws, const PenaltyClasses& classes, int limit) {
    int bestWeight = 0;
    int column = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        if (classes[c] > limit || ws.ColumnFull(c)) continue;
        const int weight = static_cast<int>(ws.random().Rnd() * 100.0) + 100;
        if (weight > bestWeight) {
            bestWeight = weight;
            column = c;
        }
    }
    return column;
}

}  // namespace

// The first avoid-class column with the smallest odd threat run, or 0.
int ParityColumn(const Workspace& ws, const PenaltyClasses& classes) {
    std::array<int, kColumnCount + 1> count{};
    for (int c = 1; c <= kColumnCount; ++c) {
        if (classes[c] == kClassAvoid) count[c] = ThreatRunLength(ws, c);
        if (count[c] % 2 == 0) count[c] = 0;
    }
    int minimum = kNoParity;
    int column = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        if (count[c] != 0 && count[c] < minimum) {
            minimum = count[c];
            column = c;
        }
    }
    return minimum < kNoParity ? column : 0;
}

PenaltyClasses ColumnPenaltyClasses(const Workspace& ws) {
    PenaltyClasses classes{};
    ForEachStart(ws, kPlayingCells, Yield::Never, [&](Cell cell) {
        int16& penalty = classes[cell.column];
        if (ws.ColumnFull(cell.column)) penalty = kClassFull;
        for (const MarkClass& mark : kMarkClasses) {
            if (ws.grids().get(mark.grid).at(cell) > 0 && penalty < mark.penalty) {
                penalty = mark.penalty;
            }
        }
    });
    return classes;
}

int PenaltyLimit(const PenaltyClasses& classes) {
    int limit = kStartLimit;
    for (const LimitStep& step : kLimitSteps) {
        int above = 0;
        for (int c = 1; c <= kColumnCount; ++c)
            above += classes[c] > step.above ? 1 : 0;
        if (above < kColumnCount) limit -= step.step;
    }
    return limit;
}

int16 FallbackColumn(Workspace& ws) {
    ws.random().Randomize();
    const PenaltyClasses classes = ColumnPenaltyClasses(ws);
    const int limit = PenaltyLimit(classes);
    int column = limit == kAvoidClassLimit ? ParityColumn(ws, classes) : 0;
    if (column == 0) column = WeightedRandomColumn(ws, classes, limit);
    return column == 0 ? 0 : ColumnCode(column);
}

}  // namespace tessora
