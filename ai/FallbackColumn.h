#pragma once

#include <array>

#include "ai/Workspace.h"

namespace tessora {

// Penalty classes of a column: the strongest warning anywhere in it, or full.
constexpr int16 kClassDoubt = 2;
constexpr int16 kClassCaution = 4;
constexpr int16 kClassAvoid = 8;
constexpr int16 kClassForbidden = 16;
constexpr int16 kClassFull = 32;

using PenaltyClasses = std::array<int16, kColumnCount + 1>;  // index 1..7

// The limit when the best columns carry an avoid mark: only then may the parity column decide.
constexpr int kAvoidClassLimit = 14;

// The last-resort choice: a random column among the open columns of the lowest penalty class,
// or, when the best columns carry only avoid marks, the first column whose empty cells down to
// its stones all lie on or just above opponent threats and are odd in number. Returns 0 only
// when every column is full.
int16 FallbackColumn(Workspace& ws);

// The penalty class of every column (index 1..7), from the marks in rows 1..6.
PenaltyClasses ColumnPenaltyClasses(const Workspace& ws);

// The highest class still eligible: 0, 2, 6, 14 or 30 when the lowest class present is 0, 2,
// 4, 8 or 16.
int PenaltyLimit(const PenaltyClasses& classes);

// When the best columns carry only avoid marks: the first avoid-class column (1..7) whose empty
// cells down to its stones all lie on or just above opponent threats and are fewest and odd in
// number, or 0.
int ParityColumn(const Workspace& ws, const PenaltyClasses& classes);

}  // namespace tessora
