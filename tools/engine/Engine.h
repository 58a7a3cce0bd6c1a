#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "tools/engine/Problem.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// Answers one batch line. On failure answer is {"error":"..."} and problem says why.
bool AnswerRequestLine(std::string_view line, std::string& answer, Problem& problem);

// The whole tool: args are the arguments after the program name. Answers go to out, one
// complete line each; a refused command line gets one line on err. Returns the exit status:
// 0, 2 for bad input (in --batch: any bad request or over-long line, after all lines are
// answered), 3 when the computer player named no open column.
int RunEngine(std::span<const std::string> args, std::istream& in, std::ostream& out,
              std::ostream& err);

}  // namespace tessora::engine
