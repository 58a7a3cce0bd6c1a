#pragma once

#include "ai/linepatterns/LinePass.h"
#include "ai/linepatterns/RuleTables.h"

namespace tessora::linepatterns {

// Runs one bonus rule.
void ApplyBonusRule(LinePass& pass, const BonusRule& rule);
// Runs the bonus rules first..last, in rule order.
void ApplyBonusRules(LinePass& pass, int first, int last);

// Runs one playable-or-prepare rule.
void ApplyPrepareRule(LinePass& pass, const PrepareRule& rule);
// Runs the playable-or-prepare rules first..last, in rule order.
void ApplyPrepareRules(LinePass& pass, int first, int last);

}  // namespace tessora::linepatterns
