#include "tools/engine/Engine.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "tools/engine/Answers.h"
#include "tools/engine/CommandLine.h"
#include "tools/engine/RequestReader.h"

namespace tessora::engine {

namespace {

bool Answer(const MoveRequest& request, std::string& answer, Problem& problem) {
    MoveOutcome outcome;
    if (!AnalyseMove(request, outcome, problem)) return false;
    answer = MoveAnswerJson(outcome, request);
    return true;
}

bool Answer(const PlayRequest& request, std::string& answer, Problem& problem) {
    PlayOutcome outcome;
    if (!PlayGame(request, outcome, problem)) return false;
    answer = PlayAnswerJson(outcome);
    return true;
}

bool Answer(const SelfPlayRequest& request, std::string& answer, Problem& problem) {
    SelfPlayReport report;
    if (!RunSelfPlay(request, report, problem)) return false;
    answer = SelfPlayReportJson(request, report);
    return true;
}

void WriteLine(std::ostream& stream, const std::string& line) {
    stream << line << '\n';
    stream.flush();
}

// The reason on one line: a message may quote an argument that holds a line end.
int Fail(std::ostream& err, const Problem& problem) {
    std::string line = "tessora-engine: " + problem.message;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    WriteLine(err, line);
    return ExitStatusFor(problem);
}

int RunBatch(std::istream& in, std::ostream& out) {
    int status = kExitOk;
    RequestLines lines(in);
    std::string_view line;
    for (RequestLines::Read read; (read = lines.Next(line)) != RequestLines::Read::End;) {
        std::string answer;
        Problem problem;
        if (read == RequestLines::Read::TooLong) {
            answer = ErrorJson("a request line longer than " + std::to_string(kLongestRequestLine) +
                               " bytes");
            status = std::max(status, kExitBadInput);
        } else if (!AnswerRequestLine(line, answer, problem)) {
            status = std::max(status, ExitStatusFor(problem));
        }
        WriteLine(out, answer);
    }
    return status;
}

bool AnswerRequest(const Request& request, std::string& answer, Problem& problem) {
    return std::visit([&](const auto& r) { return Answer(r, answer, problem); }, request);
}

}  // namespace

bool AnswerRequestLine(std::string_view line, std::string& answer, Problem& problem) {
    Request request;
    problem.kind = Problem::Kind::BadInput;
    const bool answered =
        ParseRequestLine(line, request, problem.message) && AnswerRequest(request, answer, problem);
    if (!answered) answer = ErrorJson(problem.message);
    return answered;
}

int RunEngine(std::span<const std::string> args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    Invocation invocation;
    Problem problem;  // bad input unless the computer player fails
    if (!ParseCommandLine(args, invocation, problem.message)) return Fail(err, problem);
    if (const auto* text = std::get_if<TextRequest>(&invocation)) {
        out << text->text << std::flush;
        return kExitOk;
    }
    if (std::holds_alternative<BatchRequest>(invocation)) return RunBatch(in, out);
    std::string answer;
    const auto* request = std::get_if<Request>(&invocation);
    if (request != nullptr ? !AnswerRequest(*request, answer, problem)
                           : !Answer(std::get<SelfPlayRequest>(invocation), answer, problem)) {
        return Fail(err, problem);
    }
    WriteLine(out, answer);
    return kExitOk;
}

}  // namespace tessora::engine
