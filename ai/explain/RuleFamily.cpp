#include "ai/explain/RuleFamily.h"

#include "ai/Workspace.h"
#include "ai/explain/Wording.h"

namespace tessora::explain {
namespace {

constexpr bool SideMatches(Side side, int16 colour) {
    switch (side) {
        case Side::Own:
            return colour == OwnCode;
        case Side::Opponent:
            return colour == OpponentCode;
        case Side::Either:
            break;
    }
    return true;
}

constexpr bool Holds(const RuleFamily& family, const Origin& origin) {
    if (family.stage != origin.stage || !SideMatches(family.side, origin.colour)) return false;
    for (const RuleRange& range : family.rules) {
        if (origin.rule >= range.first && origin.rule <= range.last) return true;
    }
    return false;
}

constexpr int CountFamilies(const Origin& origin) {
    int count = 0;
    for (const RuleFamily& family : kRuleFamilies)
        count += Holds(family, origin) ? 1 : 0;
    return count;
}

// Every scan and rule that scores points speaks through exactly one family, for either side:
// the 13 threat scans, 9 open-two scans, 18 two-stone scans and 70 line patterns.
constexpr bool EveryScoringRuleHasOneFamily() {
    struct Scored {
        Stage stage;
        int first;
        int last;
    };
    constexpr Scored kScored[] = {{Stage::ScanThreats, 1, 13},
                                  {Stage::ScanOpenTwos, 1, 9},
                                  {Stage::ScoreTwoStoneWindows, 1, 18},
                                  {Stage::ScoreLinePatterns, 1, 70},
                                  {Stage::RewardStackedThreats, 0, 0}};
    for (const Scored& scored : kScored) {
        for (int rule = scored.first; rule <= scored.last; ++rule) {
            for (const int16 colour : {OwnCode, OpponentCode}) {
                const bool ownOnly = scored.stage == Stage::RewardStackedThreats;
                const int expected = ownOnly && colour == OpponentCode ? 0 : 1;
                if (CountFamilies(Origin{scored.stage, rule, colour}) != expected) return false;
            }
        }
    }
    return CountFamilies(Origin{Stage::RandomOpening, 0, 0}) == 1;
}
static_assert(EveryScoringRuleHasOneFamily(), "a scoring rule has no family, or two");

}  // namespace

int FamilyOf(const Origin& origin) {
    for (int i = 0; i < kFamilyCount; ++i) {
        if (Holds(kRuleFamilies[static_cast<std::size_t>(i)], origin)) return i;
    }
    return -1;
}

}  // namespace tessora::explain
