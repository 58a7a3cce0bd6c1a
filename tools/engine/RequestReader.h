#pragma once

#include <string>
#include <string_view>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// Reads one batch line, a JSON object in one of two forms:
//   {"cmd":"move","moves":"445","first":"human","strength":3,"random":[0.25],"trace":false}
//   {"cmd":"play","human":"4352","first":"human","strength":3,"random":[0.25,0.7]}
// Every member is required except "trace"; unknown members are refused. The JSON is read by
// nlohmann-json as it reads it (a repeated member name keeps its last value); a line that is
// no JSON gets nlohmann's message. Returns false and a one-line reason for anything else.
bool ParseRequestLine(std::string_view line, Request& out, std::string& error);

}  // namespace tessora::engine
