#pragma once

// What must hold for any input tessora-engine reads, whatever its bytes: every line as a batch
// request, and the words of the text as a command line (with the text as standard input).
// Shared by the fuzz target and the test that replays the inputs fuzzing found.

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/engine/Answers.h"
#include "tools/engine/CommandLine.h"
#include "tools/engine/Engine.h"
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
    if (answer.find('\n') != std::string::npos) return "an answer of more than one line";
    const engine::Json parsed = engine::Json::parse(answer, nullptr, false);
    if (parsed.is_discarded()) return "the answer is not JSON: " + answer;
    if (!answered && !parsed.contains("error")) return "a refusal without an error member";
    if (answered && parsed.contains("error")) return "an answer carrying an error member";
    return {};
}

// The words as a command line: parsed, and when accepted, run to the end with the text as
// standard input (for --batch). Only exit statuses 0 and 2 are allowed, every line of a JSON
// answer must be JSON, and a refused command gets one line on standard error.
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
    if (std::holds_alternative<engine::TextRequest>(invocation)) return {};
    const std::string written = out.str();
    for (const std::string_view line : SplitLines(written)) {
        if (!engine::Json::accept(line)) return "an output line is not JSON";
    }
    const bool batch = std::holds_alternative<engine::BatchRequest>(invocation);
    if (status != engine::kExitOk && !batch && SplitLines(err.str()).size() != 1) {
        return "a refusal not on one line: " + err.str();
    }
    return {};
}

// Empty when everything holds, else what went wrong.
inline std::string CheckEngineInput(std::string_view text) {
    for (const std::string_view line : SplitLines(text)) {
        if (std::string problem = CheckBatchLine(line); !problem.empty()) return problem;
    }
    return CheckCommandLine(text);
}

}  // namespace tessora::fuzz
