#include "tools/engine/RequestReader.h"

#include <algorithm>
#include <array>
#include <span>

#include "tools/engine/JsonInput.h"
#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

// A test of a value's kind, such as &Json::is_string.
using IsKind = bool (Json::*)() const noexcept;

// The member called name when it is of the kind isKind tests for; else null and the reason.
const Json* Member(const Json& object, const char* name, IsKind isKind, const char* kindName,
                   std::string& error) {
    const auto found = object.find(name);
    if (found == object.end()) {
        error = "member \"" + std::string(name) + "\" is missing";
    } else if (!((*found).*isKind)()) {
        error = "member \"" + std::string(name) + "\" must be " + kindName;
    } else {
        return &*found;
    }
    return nullptr;
}

// The text of a string member, or null and the reason.
const std::string* Text(const Json& object, const char* name, std::string& error) {
    const Json* value = Member(object, name, &Json::is_string, "a string", error);
    return value == nullptr ? nullptr : &value->get_ref<const std::string&>();
}

bool ReadStrength(const Json& object, int& out, std::string& error) {
    const Json* value = Member(object, "strength", &Json::is_number, "a number", error);
    if (value == nullptr) return false;
    // A whole number written without fraction or exponent, as the game's levels are.
    if (!value->is_number_integer() || *value < 1 || *value > 4) {
        error = "strength " + value->dump() + " is not 1, 2, 3 or 4";
        return false;
    }
    out = value->get<int>();
    return true;
}

bool ReadDraws(const Json& object, std::vector<double>& out, std::string& error) {
    const Json* value = Member(object, "random", &Json::is_array, "a list of numbers", error);
    if (value == nullptr) return false;
    if (value->empty() || value->size() > kMaxDraws) {
        error = "\"random\" must hold 1 to " + std::to_string(kMaxDraws) + " draws";
        return false;
    }
    std::vector<double> draws;
    for (const Json& item : *value) {
        if (!item.is_number()) {
            error = "\"random\" must hold numbers only";
            return false;
        }
        if (!CheckDraw(item.get<double>(), item.dump(), error)) return false;
        draws.push_back(item.get<double>());
    }
    out = std::move(draws);
    return true;
}

// The members move and play share, read into request after checking that every member is one
// of allowed: the columns played (under columnsName), who begins, the strength and the draws.
template <typename GameRequest>
bool ReadGameMembers(const Json& object, std::span<const std::string_view> allowed,
                     const char* columnsName, std::string& columns, GameRequest& request,
                     std::string& error) {
    for (const auto& [name, value] : object.items()) {
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            error = "unknown member " + Quote(name);
            return false;
        }
    }
    const std::string* played = Text(object, columnsName, error);
    if (played == nullptr || !ParseColumns(*played, columnsName, columns, error)) return false;
    const std::string* first = Text(object, "first", error);
    return first != nullptr && ParseFirstPlayer(*first, request.first, error) &&
           ReadStrength(object, request.strength, error) &&
           ReadDraws(object, request.random, error);
}

constexpr std::array<std::string_view, 6> kMoveMembers{"cmd",      "moves",  "first",
                                                       "strength", "random", "trace"};
constexpr std::array<std::string_view, 5> kPlayMembers{"cmd", "human", "first", "strength",
                                                       "random"};

bool ReadMove(const Json& object, Request& out, std::string& error) {
    MoveRequest request;
    if (!ReadGameMembers(object, kMoveMembers, "moves", request.moves, request, error)) {
        return false;
    }
    if (object.contains("trace")) {
        const Json* trace = Member(object, "trace", &Json::is_boolean, "true or false", error);
        if (trace == nullptr) return false;
        request.trace = trace->get<bool>();
    }
    out = std::move(request);
    return true;
}

bool ReadPlay(const Json& object, Request& out, std::string& error) {
    PlayRequest request;
    if (!ReadGameMembers(object, kPlayMembers, "human", request.human, request, error)) {
        return false;
    }
    out = std::move(request);
    return true;
}

}  // namespace

bool ParseRequestLine(std::string_view line, Request& out, std::string& error) {
    Json object;
    if (!ParseJsonLine(line, object, error)) return false;
    if (!object.is_object()) {
        error = "a request must be a JSON object";
        return false;
    }
    const std::string* command = Text(object, "cmd", error);
    if (command == nullptr) return false;
    if (*command == "move") return ReadMove(object, out, error);
    if (*command == "play") return ReadPlay(object, out, error);
    error = "unknown cmd " + Quote(*command) + " (move or play)";
    return false;
}

}  // namespace tessora::engine
