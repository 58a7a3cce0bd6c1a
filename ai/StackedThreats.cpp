#include "ai/StackedThreats.h"

namespace tessora {

namespace {

// The upper cells of the pairs looked at: a pair's lower cell lies in a playing row.
constexpr CellRange kFoePairs{{1, 5}, {1, kColumnCount}};
// The reward needs four cells under the pair inside ForbiddenMark's rows.
constexpr CellRange kOwnPairs{{1, 4}, {1, kColumnCount}};

}  // namespace

int16 BlockStackedThreats(Workspace& ws) {
    const Grids& grids = ws.grids();
    int16 result = 0;
    ForEachStart(ws, kFoePairs, Yield::Never, [&](Cell upper) {
        if (grids.FoeThreat.at(upper) <= 0 || grids.FoeThreat.at(upper.Below()) <= 0) return;
        bool ownThreatAbove = false;
        for (int k = 1; k <= 5; ++k)
            ownThreatAbove |= grids.OwnThreat.at(upper(k, 0)) != 0;
        if (ownThreatAbove) return;
        if (ws.board(upper(2, 0)) == 0) return;
        result = ColumnCode(upper.column);
    });
    return result;
}

void RewardStackedThreats(Workspace& ws) {
    ws.SetOrigin(Stage::RewardStackedThreats, 0, OwnCode);
    Grids& grids = ws.grids();
    ForEachStart(ws, kOwnPairs, Yield::Never, [&](Cell upper) {
        if (grids.OwnThreat.at(upper) <= 0 || grids.OwnThreat.at(upper.Below()) <= 0) return;
        if (grids.FoeThreat.at(upper.Below()) != 0) return;
        bool forbiddenBelow = false;
        for (int k = 2; k <= 5; ++k)
            forbiddenBelow |= grids.ForbiddenMark.at(upper(k, 0)) != 0;
        if (forbiddenBelow) return;
        ws.add(grids.AttackScore, upper, kStackedThreatReward);
    });
}

}  // namespace tessora
