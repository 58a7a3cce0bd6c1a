#pragma once

#include "ai/Workspace.h"

namespace tessora {

void MarkDoubtCells(Workspace& ws, int16 colour);

}  // namespace tessora
