#pragma once

#include "ai/Workspace.h"

namespace tessora {

void ScoreTwoStoneWindows(Workspace& ws, int16 colour);

}  // namespace tessora
