#pragma once

#include "ai/Workspace.h"

namespace tessora {

void ScanOpenTwos(Workspace& ws, int16 colour);

}  // namespace tessora
