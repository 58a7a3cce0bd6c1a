#include "ai/StackedThreats.h"

namespace tessora {

int16 BlockStackedThreats(Workspace& ws) {
    const Grids& grids = ws.grids();
    int16 result = 0;
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= kColumnCount; ++c) {
            if (grids.FoeThreat.at(r, c) <= 0 || grids.FoeThreat.at(r + 1, c) <= 0) continue;
            bool ownThreatAbove = false;
            for (int k = 1; k <= 5; ++k)
                ownThreatAbove |= grids.OwnThreat.at(r + k, c) != 0;
            if (ownThreatAbove) continue;
            if (ws.board(r + 2, c) == 0) continue;
            result = static_cast<int16>(c + 149);
        }
    }
    return result;
}

void RewardStackedThreats(Workspace& ws) {
    ws.SetOrigin(Stage::RewardStackedThreats, 0, OwnCode);
    Grids& grids = ws.grids();
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= kColumnCount; ++c) {
            if (grids.OwnThreat.at(r, c) <= 0 || grids.OwnThreat.at(r + 1, c) <= 0) continue;
            if (grids.FoeThreat.at(r + 1, c) != 0) continue;
            bool forbiddenBelow = false;
            for (int k = 2; k <= 5; ++k)
                forbiddenBelow |= grids.ForbiddenMark.at(r + k, c) != 0;
            if (forbiddenBelow) continue;
            ws.add(grids.AttackScore, r, c, kStackedThreatReward);
        }
    }
}

}  // namespace tessora
