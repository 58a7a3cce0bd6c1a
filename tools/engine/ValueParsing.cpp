#include "tools/engine/ValueParsing.h"

#include "core/GameState.h"

namespace tessora::engine {

std::string Quote(std::string_view text) {
    constexpr std::size_t kLongest = 60;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kLongest; ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        out.push_back(ch < 0x20 || ch >= 0x7F ? '?' : static_cast<char>(ch));
    }
    if (text.size() > kLongest) out += "...";
    out += "\"";
    return out;
}

bool ParseColumns(std::string_view text, std::string_view what, std::string& out,
                  std::string& error) {
    if (text.size() > static_cast<std::size_t>(kCellCount)) {
        error = std::string(what) + " has more than 42 stones";
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '1' || text[i] > '7') {
            error = std::string(what) + ": " + Quote(text.substr(i, 1)) + " at position " +
                    std::to_string(i + 1) + " is not a column digit 1-7";
            return false;
        }
    }
    out = std::string(text);
    return true;
}

bool ParseFirstPlayer(std::string_view text, FirstPlayer& out, std::string& error) {
    if (text == "human") {
        out = FirstPlayer::Human;
    } else if (text == "computer") {
        out = FirstPlayer::Computer;
    } else {
        error = "first player " + Quote(text) + " is neither \"human\" nor \"computer\"";
        return false;
    }
    return true;
}

bool CheckDraw(double value, std::string_view text, std::string& error) {
    if (!(value >= 0.0 && value < 1.0)) {
        error = "random draw " + Quote(text) + " is not in [0, 1)";
        return false;
    }
    return true;
}

}  // namespace tessora::engine
