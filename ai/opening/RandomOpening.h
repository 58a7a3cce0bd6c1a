#pragma once

#include "ai/Workspace.h"

namespace tessora {

void RandomOpening(Workspace& ws);

}  // namespace tessora
