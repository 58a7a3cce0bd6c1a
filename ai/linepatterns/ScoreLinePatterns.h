#pragma once

#include "ai/Workspace.h"

namespace tessora {

void ScoreLinePatterns(Workspace& ws, int16 colour);

}  // namespace tessora
