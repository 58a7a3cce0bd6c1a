#pragma once

#include "ai/linepatterns/LinePass.h"
#include "ai/linepatterns/RuleTables.h"

namespace tessora::linepatterns {

// Runs one bonus rule over its own anchor ranges.
void ApplyBonusRule(LinePass& pass, const BonusRule& rule);
// Runs one bonus rule over the anchor ranges given by the caller.
void ApplyBonusRule(LinePass& pass, const BonusRule& rule, CellRange range);
// Runs the bonus rules first..last, in rule order.
void ApplyBonusRules(LinePass& pass, int first, int last);

// Runs one playable-or-prepare rule.
void ApplyPrepareRule(LinePass& pass, const PrepareRule& rule);
// Runs the playable-or-prepare rules first..last, in rule order.
void ApplyPrepareRules(LinePass& pass, int first, int last);

// Rules 8 and 9 take their anchor ranges as arguments.
void Rule8(LinePass& pass, int firstColumn, int lastColumn, int firstRow, int lastRow);
void Rule9(LinePass& pass, int firstColumn, int lastColumn, int firstRow, int lastRow);

}  // namespace tessora::linepatterns
