#include "ai/twostone/ScoreTwoStoneWindows.h"

namespace tessora {

void ScoreTwoStoneWindows(Workspace& ws, int16 colour) {
    (void)ws; (void)colour;
}

}  // namespace tessora
