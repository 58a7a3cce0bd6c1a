#include "tools/engine/RequestReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <istream>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>

#include "tools/engine/Requests.h"

namespace tessora::engine {

namespace {

// nlohmann's plain json, whose objects find a member by name in logarithmic time, so that no
// line of many members takes long to read.
using RequestJson = nlohmann::json;

// A request the checks of its values refused, thrown beside nlohmann's own refusals.
struct Refusal : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

void Check(const std::string& problem, const char* name) {
    if (!problem.empty()) throw Refusal("member \"" + std::string(name) + "\": " + problem);
}

// The member called name as a T, in nlohmann's own conversion, and in its words when the member
// is missing or of another type; the words name the member.
template <typename T>
T Member(const RequestJson& object, const char* name) {
    const RequestJson& value = object.at(name);
    try {
        return value.get<T>();
    } catch (const RequestJson::type_error& refusal) {
        throw Refusal("member \"" + std::string(name) + "\": " + refusal.what());
    }
}

std::string StrengthProblem(const RequestJson& strength) {
    // nlohmann would read any number as a whole one, cutting 3.5 down to 3.
    if (!strength.is_number_integer()) return "must be a whole number";
    const auto level = strength.get<std::int64_t>();
    if (level >= kLowestStrength && level <= kHighestStrength) return {};
    return "must be from " + std::to_string(kLowestStrength) + " to " +
           std::to_string(kHighestStrength);
}

// The columns played, under the member called name.
std::string ReadColumns(const RequestJson& object, const char* name) {
    std::string columns = Member<std::string>(object, name);
    Check(ColumnsProblem(columns), name);
    return columns;
}

// Who begins, the strength and the draws, after checking that every member is one of members.
void ReadSetting(const RequestJson& object, std::span<const std::string_view> members,
                 GameSetting& setting) {
    for (const auto& [name, value] : object.items()) {
        if (std::ranges::find(members, name) == members.end()) {
            throw Refusal("unknown member \"" + name + "\"");
        }
    }
    const bool named = FirstPlayerNamed(Member<std::string>(object, "first"), setting.first);
    Check(named ? "" : "must be human or computer", "first");
    const RequestJson& strength = object.at("strength");
    Check(StrengthProblem(strength), "strength");
    setting.strength = strength.get<int>();
    // nlohmann would read true and false as draws too.
    const RequestJson& random = object.at("random");
    const bool numbers = random.is_array() && std::ranges::all_of(random, &RequestJson::is_number);
    Check(numbers ? "" : "must be a list of numbers", "random");
    random.get_to(setting.random);
    Check(DrawsProblem(setting.random), "random");
}

constexpr std::array<std::string_view, 6> kMoveMembers{"cmd",      "moves",  "first",
                                                       "strength", "random", "trace"};
constexpr std::array<std::string_view, 5> kPlayMembers{"cmd", "human", "first", "strength",
                                                       "random"};

Request ReadRequest(const RequestJson& object) {
    if (!object.is_object()) throw Refusal("a request must be a JSON object");
    const std::string command = Member<std::string>(object, "cmd");
    if (const auto asked = std::ranges::find(kMoveQuestionNames, command);
        asked != kMoveQuestionNames.end()) {
        MoveRequest move;
        move.question = static_cast<MoveQuestion>(asked - kMoveQuestionNames.begin());
        ReadSetting(object, kMoveMembers, move);
        move.moves = ReadColumns(object, "moves");
        move.trace = object.contains("trace") && Member<bool>(object, "trace");
        return move;
    }
    if (command == "play") {
        PlayRequest play;
        ReadSetting(object, kPlayMembers, play);
        play.human = ReadColumns(object, "human");
        return play;
    }
    throw Refusal("unknown cmd \"" + command + "\" (move, explain, hint or play)");
}

}  // namespace

bool ParseRequestLine(std::string_view line, Request& out, std::string& error) {
    // nlohmann takes a NUL byte for the end of the text and would read the line only up to it.
    if (line.find('\0') != std::string_view::npos) {
        error = "a request line must not hold a NUL byte";
        return false;
    }
    try {
        out = ReadRequest(RequestJson::parse(line));
        return true;
    } catch (const RequestJson::exception& refusal) {
        error = refusal.what();
    } catch (const Refusal& refusal) {
        error = refusal.what();
    }
    return false;
}

// One byte more for the end mark getline writes.
RequestLines::RequestLines(std::istream& in) : in_(in), buffer_(kLongestRequestLine + 1) {}

RequestLines::Read RequestLines::Next(std::string_view& line) {
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto extracted = static_cast<std::size_t>(in_.gcount());
    // getline fails alone when the buffer filled up before the line end came.
    if (in_.rdstate() == std::ios::failbit) {
        in_.clear();
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return Read::TooLong;
    }
    if (in_.fail()) return Read::End;
    // The count includes the line end, which the last line may lack.
    line = std::string_view(buffer_.data(), in_.eof() ? extracted : extracted - 1);
    return Read::Line;
}

}  // namespace tessora::engine
