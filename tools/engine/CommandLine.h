#pragma once

#include <span>
#include <string>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// Reads the arguments after the program name:
//   move --moves 445 [--first human|computer] [--strength N] --random 0.25[,0.7,...] [--trace]
//   play --human 4352 [--first human|computer] [--strength N] --random 0.25[,...]
//   selfplay --games N --strength-a A (--strength-b B | --versus random) [--seed S]
//   --batch
//   --help
// Returns false and a one-line reason for anything else. Only the form of the values is
// checked here; whether the moves make a legal position is the position builder's job.
bool ParseCommandLine(std::span<const std::string> args, Invocation& out, std::string& error);

// The usage text printed by --help, several lines.
const char* UsageText();

// The line printed by --version: the program's name and the project's version.
const char* VersionText();

}  // namespace tessora::engine
