#pragma once

#include "ai/Grid.h"
#include "ai/Trace.h"
#include "ai/explain/Writer.h"
#include "core/Explanation.h"

namespace tessora::explain {

// A cell of one working grid.
struct GridCellRef {
    GridId grid;
    int row;
    int column;
};

// The points the trace's changes gave the cell, summed by rule family (index as kRuleFamilies).
using FamilyPoints = std::array<int, kFamilyCount>;
FamilyPoints PointsByFamily(const Trace& trace, GridCellRef cell);

// The points the given stage's changes gave the cell.
int PointsFromStage(const Trace& trace, Stage stage, GridCellRef cell);

// The families that gave the most points, at most Explanation::kMostReasons, the largest first,
// each with its phrase. The points never add up to more than the score: deductions from other
// rules are taken from the smallest contributions, and one that is used up is left out.
void FillReasons(const FamilyPoints& points, int score, const Writer& writer, Explanation& out);

}  // namespace tessora::explain
