#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// The checks of request values shared by the command line and the batch requests. Each gives
// a one-line reason when the value is not acceptable and an empty text when it is.

// A string of column digits 1-7, at most 42 of them (empty is allowed).
std::string ColumnsProblem(std::string_view columns);

// The scripted draws: one to kMaxDraws of them, each in [0, 1).
std::string DrawsProblem(const std::vector<double>& draws);

// The most draws one request may script.
constexpr std::size_t kMaxDraws = 10000;

// The side named "human" or "computer"; false for any other name.
bool FirstPlayerNamed(std::string_view name, FirstPlayer& out);

}  // namespace tessora::engine
