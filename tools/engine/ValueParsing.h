#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// The checks shared by the command line and the batch requests. Each returns false and sets
// a one-line reason when the value is not acceptable.

// A string of column digits 1-7, at most 42 of them (empty is allowed).
bool ParseColumns(std::string_view text, std::string_view what, std::string& out,
                  std::string& error);

// "human" or "computer".
bool ParseFirstPlayer(std::string_view text, FirstPlayer& out, std::string& error);

// A decimal whole number from min to max, digits only.
bool ParseWholeNumber(std::string_view text, std::string_view what, std::uint64_t min,
                      std::uint64_t max, std::uint64_t& out, std::string& error);

// One random draw written as a JSON number, in [0, 1); text is the draw as written.
bool ParseDraw(std::string_view text, double& out, std::string& error);
bool CheckDraw(double value, std::string_view text, std::string& error);

// A comma-separated list of draws ("0.25,0.7"), one to kMaxDraws of them.
bool ParseDrawList(std::string_view text, std::vector<double>& out, std::string& error);

constexpr std::size_t kMaxDraws = 10000;

// Makes user text safe to quote in a one-line message: control characters and bytes outside
// ASCII become '?' (so a cut never splits a character), and long text is cut.
std::string Quote(std::string_view text);

}  // namespace tessora::engine
