#include "tools/engine/RequestReader.h"

#include <array>
#include <cmath>
#include <span>

#include "tools/engine/JsonReader.h"
#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

using Kind = JsonValue::Kind;

bool CheckMembers(const JsonValue& object, std::span<const std::string_view> allowed,
                  std::string& error) {
    for (const JsonMember& member : object.members) {
        bool known = false;
        for (std::string_view name : allowed)
            known = known || member.name == name;
        if (!known) {
            error = "unknown member " + Quote(member.name);
            return false;
        }
    }
    return true;
}

const JsonValue* Member(const JsonValue& object, std::string_view name, Kind kind,
                        const char* kindName, std::string& error) {
    const JsonValue* value = object.find(name);
    if (value == nullptr) {
        error = "member \"" + std::string(name) + "\" is missing";
        return nullptr;
    }
    if (value->kind != kind) {
        error = "member \"" + std::string(name) + "\" must be " + kindName;
        return nullptr;
    }
    return value;
}

bool ReadColumns(const JsonValue& object, std::string_view name, std::string& out,
                 std::string& error) {
    const JsonValue* value = Member(object, name, Kind::String, "a string", error);
    return value != nullptr && ParseColumns(value->text, name, out, error);
}

bool ReadFirst(const JsonValue& object, FirstPlayer& out, std::string& error) {
    const JsonValue* value = Member(object, "first", Kind::String, "a string", error);
    return value != nullptr && ParseFirstPlayer(value->text, out, error);
}

bool ReadStrength(const JsonValue& object, int& out, std::string& error) {
    const JsonValue* value = Member(object, "strength", Kind::Number, "a number", error);
    if (value == nullptr) return false;
    // A whole number written without fraction or exponent, as the game's levels are.
    if (value->text.find_first_of(".eE") != std::string::npos || std::fabs(value->number) > 99) {
        error = "strength " + Quote(value->text) + " is not 1, 2, 3 or 4";
        return false;
    }
    const auto strength = static_cast<std::int64_t>(value->number);
    if (!CheckStrength(strength, error)) return false;
    out = static_cast<int>(strength);
    return true;
}

bool ReadDraws(const JsonValue& object, std::vector<double>& out, std::string& error) {
    const JsonValue* value = Member(object, "random", Kind::Array, "a list of numbers", error);
    if (value == nullptr) return false;
    if (value->items.empty() || value->items.size() > kMaxDraws) {
        error = "\"random\" must hold 1 to " + std::to_string(kMaxDraws) + " draws";
        return false;
    }
    std::vector<double> draws;
    draws.reserve(value->items.size());
    for (const JsonValue& item : value->items) {
        if (item.kind != Kind::Number) {
            error = "\"random\" must hold numbers only";
            return false;
        }
        if (!CheckDraw(item.number, item.text, error)) return false;
        draws.push_back(item.number);
    }
    out = std::move(draws);
    return true;
}

// The members move and play share, read into request: the columns played (under columnsName),
// who begins, the strength and the draws.
template <typename GameRequest>
bool ReadGameMembers(const JsonValue& object, std::string_view columnsName, std::string& columns,
                     GameRequest& request, std::string& error) {
    return ReadColumns(object, columnsName, columns, error) &&
           ReadFirst(object, request.first, error) &&
           ReadStrength(object, request.strength, error) &&
           ReadDraws(object, request.random, error);
}

constexpr std::array<std::string_view, 6> kMoveMembers{"cmd",      "moves",  "first",
                                                       "strength", "random", "trace"};
constexpr std::array<std::string_view, 5> kPlayMembers{"cmd", "human", "first", "strength",
                                                       "random"};

bool ReadMove(const JsonValue& object, Request& out, std::string& error) {
    if (!CheckMembers(object, kMoveMembers, error)) return false;
    MoveRequest request;
    if (!ReadGameMembers(object, "moves", request.moves, request, error)) return false;
    if (object.find("trace") != nullptr) {
        const JsonValue* trace = Member(object, "trace", Kind::Bool, "true or false", error);
        if (trace == nullptr) return false;
        request.trace = trace->boolean;
    }
    out = std::move(request);
    return true;
}

bool ReadPlay(const JsonValue& object, Request& out, std::string& error) {
    if (!CheckMembers(object, kPlayMembers, error)) return false;
    PlayRequest request;
    if (!ReadGameMembers(object, "human", request.human, request, error)) return false;
    out = std::move(request);
    return true;
}

}  // namespace

bool ParseRequestLine(std::string_view line, Request& out, std::string& error) {
    JsonValue object;
    if (!ParseJson(line, object, error)) return false;
    if (object.kind != Kind::Object) {
        error = "a request must be a JSON object";
        return false;
    }
    const JsonValue* command = Member(object, "cmd", Kind::String, "a string", error);
    if (command == nullptr) return false;
    if (command->text == "move") return ReadMove(object, out, error);
    if (command->text == "play") return ReadPlay(object, out, error);
    error = "unknown cmd " + Quote(command->text) + " (move or play)";
    return false;
}

}  // namespace tessora::engine
