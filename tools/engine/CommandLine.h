#pragma once

#include <span>
#include <string>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// Reads the arguments after the program name with CLI11, in its own forms ("--moves 445" or
// "--moves=445"; an option given twice is refused):
//   move|explain|hint --moves 445 [--first human|computer] [--strength N] --random 0.25[,...]
//       [--trace]   (hint: with the human to move)
//   play --human 4352 [--first human|computer] [--strength N] --random 0.25[,...]
//   selfplay --games N --strength-a A (--strength-b B | --versus random) [--seed S]
//   --batch | --version | --help (also after a command, for that command's options)
// Returns false and CLI11's one-line reason for anything else. Only the form of the values is
// checked here; whether the moves make a legal position is the position builder's job.
bool ParseCommandLine(std::span<const std::string> args, Invocation& out, std::string& error);

}  // namespace tessora::engine
