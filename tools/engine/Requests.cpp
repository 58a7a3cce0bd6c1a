#include "tools/engine/Requests.h"

#include <algorithm>

namespace tessora::engine {

std::string ColumnsProblem(std::string_view columns) {
    if (columns.size() > static_cast<std::size_t>(kCellCount)) {
        return "more than " + std::to_string(kCellCount) + " stones";
    }
    const auto notADigit = std::find_if(columns.begin(), columns.end(),
                                        [](char c) { return c < '1' || c >= '1' + kColumnCount; });
    if (notADigit == columns.end()) return {};
    return "character " + std::to_string(notADigit - columns.begin() + 1) +
           " is not a column digit 1-7";
}

std::string DrawsProblem(const std::vector<double>& draws) {
    if (draws.empty() || draws.size() > kMaxDraws) {
        return "1 to " + std::to_string(kMaxDraws) + " random draws are needed";
    }
    for (std::size_t i = 0; i < draws.size(); ++i) {
        // Written so that a draw that is not a number fails too.
        if (!(draws[i] >= 0.0 && draws[i] < 1.0)) {
            return "random draw " + std::to_string(i + 1) + " is not in [0, 1)";
        }
    }
    return {};
}

bool FirstPlayerNamed(std::string_view name, FirstPlayer& out) {
    const auto found = std::find(kFirstPlayerNames.begin(), kFirstPlayerNames.end(), name);
    if (found == kFirstPlayerNames.end()) return false;
    out = static_cast<FirstPlayer>(found - kFirstPlayerNames.begin());
    return true;
}

}  // namespace tessora::engine
