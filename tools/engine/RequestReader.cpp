#include "tools/engine/RequestReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>

#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

// nlohmann's plain json, whose objects find a member by name in logarithmic time, so that no
// line of many members takes long to read.
using RequestJson = nlohmann::json;

// What a member read as the type of out must be written as, or null when value is so written.
const char* WrongKind(const RequestJson& value, const std::string&) {
    return value.is_string() ? nullptr : "a string";
}
const char* WrongKind(const RequestJson& value, const std::int64_t&) {
    return value.is_number_integer() ? nullptr : "a whole number";
}
const char* WrongKind(const RequestJson& value, const bool&) {
    return value.is_boolean() ? nullptr : "true or false";
}
const char* WrongKind(const RequestJson& value, const std::vector<double>&) {
    const bool numbers = value.is_array() && std::ranges::all_of(value, &RequestJson::is_number);
    return numbers ? nullptr : "a list of numbers";
}

// The member called name, read into out when it is written as the kind out needs.
template <typename T>
bool Read(const RequestJson& object, const char* name, T& out, std::string& error) {
    const auto found = object.find(name);
    const char* wrongKind = found == object.end() ? "given" : WrongKind(*found, out);
    if (wrongKind == nullptr) {
        found->get_to(out);
        return true;
    }
    error = "member \"" + std::string(name) + "\" must be " + wrongKind;
    return false;
}

// True when a check found no problem with the member called name; else false and the reason.
bool Accept(const std::string& problem, const char* name, std::string& error) {
    if (!problem.empty()) error = "member \"" + std::string(name) + "\": " + problem;
    return problem.empty();
}

std::string StrengthProblem(std::int64_t strength) {
    if (strength >= kLowestStrength && strength <= kHighestStrength) return {};
    return "must be from " + std::to_string(kLowestStrength) + " to " +
           std::to_string(kHighestStrength);
}

// The members every request that plays from a position has, after checking that every member
// is one of allowed: the columns played (under columnsName), who begins, the strength and the
// draws.
bool ReadGameMembers(const RequestJson& object, std::span<const std::string_view> allowed,
                     const char* columnsName, std::string& columns, GameSetting& setting,
                     std::string& error) {
    for (const auto& [name, value] : object.items()) {
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            error = "unknown member \"" + name + "\"";
            return false;
        }
    }
    std::string first;
    std::int64_t strength = 0;  // wide enough that no whole number is cut down to a level
    if (!Read(object, columnsName, columns, error) || !Read(object, "first", first, error) ||
        !Read(object, "strength", strength, error) ||
        !Read(object, "random", setting.random, error)) {
        return false;
    }
    setting.strength = static_cast<int>(strength);
    return Accept(ColumnsProblem(columns), columnsName, error) &&
           Accept(FirstPlayerNamed(first, setting.first) ? "" : "must be human or computer",
                  "first", error) &&
           Accept(StrengthProblem(strength), "strength", error) &&
           Accept(DrawsProblem(setting.random), "random", error);
}

constexpr std::array<std::string_view, 6> kMoveMembers{"cmd",      "moves",  "first",
                                                       "strength", "random", "trace"};
constexpr std::array<std::string_view, 5> kPlayMembers{"cmd", "human", "first", "strength",
                                                       "random"};

bool ReadMove(const RequestJson& object, Request& out, std::string& error) {
    MoveRequest move;
    if (!ReadGameMembers(object, kMoveMembers, "moves", move.moves, move, error) ||
        (object.contains("trace") && !Read(object, "trace", move.trace, error))) {
        return false;
    }
    out = std::move(move);
    return true;
}

bool ReadPlay(const RequestJson& object, Request& out, std::string& error) {
    PlayRequest play;
    if (!ReadGameMembers(object, kPlayMembers, "human", play.human, play, error)) return false;
    out = std::move(play);
    return true;
}

}  // namespace

bool ParseRequestLine(std::string_view line, Request& out, std::string& error) {
    // nlohmann takes a NUL byte for the end of the text and would read the line only up to it.
    if (line.find('\0') != std::string_view::npos) {
        error = "a request line must not hold a NUL byte";
        return false;
    }
    RequestJson object;
    try {
        object = RequestJson::parse(line);
    } catch (const RequestJson::exception& refusal) {
        error = refusal.what();
        return false;
    }
    std::string command;
    if (!object.is_object()) {
        error = "a request must be a JSON object";
        return false;
    }
    if (!Read(object, "cmd", command, error)) return false;
    if (command == "move") return ReadMove(object, out, error);
    if (command == "play") return ReadPlay(object, out, error);
    error = "unknown cmd \"" + command + "\" (move or play)";
    return false;
}

}  // namespace tessora::engine
