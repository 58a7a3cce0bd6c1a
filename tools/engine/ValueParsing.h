#pragma once

#include <string>
#include <string_view>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// The checks shared by the command line and the batch requests. Each returns false and sets
// a one-line reason when the value is not acceptable.

// A string of column digits 1-7, at most 42 of them (empty is allowed).
bool ParseColumns(std::string_view text, std::string_view what, std::string& out,
                  std::string& error);

// "human" or "computer".
bool ParseFirstPlayer(std::string_view text, FirstPlayer& out, std::string& error);

// One random draw, in [0, 1); text is the draw as written, for the message.
bool CheckDraw(double value, std::string_view text, std::string& error);

// The most draws one request may script.
constexpr std::size_t kMaxDraws = 10000;

// Makes user text safe to quote in a one-line message: control characters and bytes outside
// ASCII become '?' (so a cut never splits a character), and long text is cut.
std::string Quote(std::string_view text);

}  // namespace tessora::engine
