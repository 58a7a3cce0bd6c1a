#pragma once

#include "ai/linepatterns/LinePass.h"

namespace tessora::linepatterns {

// Runs the rules first..last that share their shape with a mirror twin, in rule order.
void ApplyMirroredRules(LinePass& pass, int first, int last);

}  // namespace tessora::linepatterns
