#pragma once

// What must hold for any input tessora-engine reads, whatever its bytes: the JSON reader,
// every line as a batch request, and the words of the text as a command line. Shared by the
// fuzz target and the test that replays the inputs fuzzing found.

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/engine/CommandLine.h"
#include "tools/engine/Engine.h"
#include "tools/engine/JsonInput.h"
#include "tools/engine/Problem.h"
#include "tools/engine/RequestReader.h"

namespace tessora::fuzz {

// Self-play runs whole games; longer runs than this add time to a fuzz step and no new paths.
constexpr int kMostFuzzedGames = 2;

inline std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

inline std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\0') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// A refused text must say why, on one line; an accepted one must be JSON to the library too.
inline std::string CheckJsonReader(std::string_view text) {
    engine::Json value;
    std::string error;
    if (engine::ParseJsonLine(text, value, error)) {
        return engine::Json::accept(text) ? "" : "the JSON reader accepted a text that is not JSON";
    }
    if (error.empty()) return "the JSON reader refused a text without a reason";
    if (error.find('\n') != std::string::npos) return "a reason of more than one line: " + error;
    return {};
}

// Every batch line gets one answer that is itself JSON: the result, or {"error":...} for bad
// input. The computer player never names a closed column.
inline std::string CheckBatchLine(std::string_view line) {
    engine::Request request;
    std::string error;
    const bool readable = engine::ParseRequestLine(line, request, error);
    if (!readable && error.empty()) return "a batch line was refused without a reason";

    std::string answer;
    engine::Problem problem;
    const bool answered = engine::AnswerRequestLine(line, answer, problem);
    // A readable request may still describe an impossible position: bad input found later.
    if (answered && !readable) return "an unreadable batch line was answered";
    if (!answered && problem.kind == engine::Problem::Kind::EngineFault) {
        return "engine fault on a batch line: " + problem.message;
    }
    engine::Json parsed;
    if (!engine::ParseJsonLine(answer, parsed, error)) return "the answer is not JSON: " + answer;
    if (!answered && !parsed.contains("error")) return "a refusal without an error member";
    if (answered && parsed.contains("error")) return "an answer carrying an error member";
    return {};
}

// The words as a command line: parsed, and when accepted, run to the end with the text as
// standard input (for --batch). Only exit statuses 0 and 2 are allowed, and every line of a
// JSON answer must be JSON.
inline std::string CheckCommandLine(std::string_view text) {
    const std::vector<std::string> args = SplitWords(text);
    engine::Invocation invocation;
    std::string error;
    if (!engine::ParseCommandLine(args, invocation, error)) {
        return error.empty() ? "a command line was refused without a reason" : std::string();
    }
    if (const auto* selfPlay = std::get_if<engine::SelfPlayRequest>(&invocation)) {
        if (selfPlay->games > kMostFuzzedGames) return {};
    }
    std::istringstream in{std::string(text)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = engine::RunEngine(args, in, out, err);
    if (status != engine::kExitOk && status != engine::kExitBadInput) {
        return "exit status " + std::to_string(status) + ": " + err.str();
    }
    // The usage and the version are plain text, not JSON.
    if (std::holds_alternative<engine::HelpRequest>(invocation) ||
        std::holds_alternative<engine::VersionRequest>(invocation)) {
        return {};
    }
    const std::string written = out.str();
    for (const std::string_view line : SplitLines(written)) {
        if (!engine::Json::accept(line)) return "an output line is not JSON";
    }
    return {};
}

// Empty when everything holds, else what went wrong.
inline std::string CheckEngineInput(std::string_view text) {
    if (std::string problem = CheckJsonReader(text); !problem.empty()) return problem;
    for (const std::string_view line : SplitLines(text)) {
        if (std::string problem = CheckBatchLine(line); !problem.empty()) return problem;
    }
    return CheckCommandLine(text);
}

}  // namespace tessora::fuzz
