#pragma once

#include "ai/Workspace.h"

namespace tessora {

// With exactly six columns full, returns the code of the one open column; otherwise 0.
int16 LastOpenColumn(Workspace& ws);

}  // namespace tessora
