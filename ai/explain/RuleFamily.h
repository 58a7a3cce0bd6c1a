#pragma once

#include <array>
#include <cstdint>

#include "ai/Stage.h"
#include "ai/Trace.h"

namespace tessora::explain {

// Whose pass gave a family's points: the side to move, the other side, or either (a stage that
// examines no side).
enum class Side : std::uint8_t { Own, Opponent, Either };

// Scan or rule numbers from first to last, both included; empty by default.
struct RuleRange {
    int first = 1;
    int last = 0;
};

// The rules of one stage, in up to kMostRanges ranges of numbers, examined for one side: what
// the explanation names as one reason, with the phrase for a computer's move and for a hint.
struct RuleFamily {
    static constexpr int kMostRanges = 6;

    Stage stage;
    Side side;
    std::array<RuleRange, kMostRanges> rules;
    const char* phrase;
    const char* hintPhrase;
};

// The family index (into kRuleFamilies) of the stage, rule and side that made a change, or -1
// when no family speaks for it (a stage that only sets marks).
int FamilyOf(const Origin& origin);

}  // namespace tessora::explain
