#pragma once

#include "ai/Workspace.h"

namespace tessora {

// Points for the upper of two own threat cells stacked in one column.
constexpr int16 kStackedThreatReward = 20;

// Looks for two opponent threat cells directly above each other whose lower one is playable
// now, with no own threat in the five cells below the upper one; returns the column code of
// the last such pair in scan order, or 0. The opponent would win with either cell, so only
// playing the lower one now keeps the column shut.
int16 BlockStackedThreats(Workspace& ws);

// Adds kStackedThreatReward to AttackScore at the upper of two stacked own threat cells when the
// opponent has no threat at the lower one and none of the four cells under the pair is
// forbidden.
void RewardStackedThreats(Workspace& ws);

}  // namespace tessora
