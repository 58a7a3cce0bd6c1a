#include "tools/engine/ValueParsing.h"

#include "core/GameState.h"
#include "tools/engine/JsonInput.h"

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

bool ParseWholeNumber(std::string_view text, std::string_view what, std::uint64_t min,
                      std::uint64_t max, std::uint64_t& out, std::string& error) {
    const std::string bad = std::string(what) + " " + Quote(text);
    if (text.empty() || text.size() > 20) {
        error = bad + " is not a whole number";
        return false;
    }
    std::uint64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            error = bad + " is not a whole number";
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(ch - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            error = bad + " is too large";
            return false;
        }
        value = value * 10 + digit;
    }
    if (value < min || value > max) {
        error = bad + " is outside " + std::to_string(min) + ".." + std::to_string(max);
        return false;
    }
    out = value;
    return true;
}

bool CheckDraw(double value, std::string_view text, std::string& error) {
    if (!(value >= 0.0 && value < 1.0)) {
        error = "random draw " + Quote(text) + " is not in [0, 1)";
        return false;
    }
    return true;
}

bool ParseDraw(std::string_view text, double& out, std::string& error) {
    Json value;
    std::string ignored;
    if (!ParseJsonLine(text, value, ignored) || !value.is_number()) {
        error = "random draw " + Quote(text) + " is not a number";
        return false;
    }
    if (!CheckDraw(value.get<double>(), text, error)) return false;
    out = value.get<double>();
    return true;
}

bool ParseDrawList(std::string_view text, std::vector<double>& out, std::string& error) {
    std::vector<double> draws;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        double draw = 0.0;
        if (!ParseDraw(item, draw, error)) return false;
        if (draws.size() == kMaxDraws) {
            error = "more than " + std::to_string(kMaxDraws) + " random draws";
            return false;
        }
        draws.push_back(draw);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    out = std::move(draws);
    return true;
}

}  // namespace tessora::engine
