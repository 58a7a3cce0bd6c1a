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
    answer = MoveAnswerJson(outcome, request.trace);
    return true;
}

bool Answer(const PlayRequest& request, std::string& answer, Problem& problem) {
    PlayOutcome outcome;
    if (!PlayGame(request, outcome, problem)) return false;
    answer = PlayAnswerJson(outcome);
    return true;
}

void WriteLine(std::ostream& stream, const std::string& line) {
    stream << line << '\n';
    stream.flush();
}

int Fail(std::ostream& err, const Problem& problem) {
    WriteLine(err, "tessora-engine: " + problem.message);
    return ExitStatusFor(problem);
}

int RunBatch(std::istream& in, std::ostream& out) {
    int status = kExitOk;
    std::string line;
    while (std::getline(in, line)) {
        std::string answer;
        Problem problem;
        if (!AnswerRequestLine(line, answer, problem)) {
            status = std::max(status, ExitStatusFor(problem));
        }
        WriteLine(out, answer);
    }
    return status;
}

int RunSelfPlayCommand(const SelfPlayRequest& request, std::ostream& out, std::ostream& err) {
    SelfPlayReport report;
    Problem problem;
    if (!RunSelfPlay(request, report, problem)) return Fail(err, problem);
    WriteLine(out, SelfPlayReportJson(request, report));
    return kExitOk;
}

}  // namespace

bool AnswerRequest(const Request& request, std::string& answer, Problem& problem) {
    return std::visit([&](const auto& r) { return Answer(r, answer, problem); }, request);
}

bool AnswerRequestLine(std::string_view line, std::string& answer, Problem& problem) {
    Request request;
    if (!ParseRequestLine(line, request, problem.message)) {
        problem.kind = Problem::Kind::BadInput;
        answer = ErrorJson(problem.message);
        return false;
    }
    if (!AnswerRequest(request, answer, problem)) {
        answer = ErrorJson(problem.message);
        return false;
    }
    return true;
}

int RunEngine(std::span<const std::string> args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    Invocation invocation;
    Problem problem;
    if (!ParseCommandLine(args, invocation, problem.message)) {
        problem.kind = Problem::Kind::BadInput;
        return Fail(err, problem);
    }
    if (std::holds_alternative<HelpRequest>(invocation)) {
        out << UsageText();
        out.flush();
        return kExitOk;
    }
    if (std::holds_alternative<VersionRequest>(invocation)) {
        out << VersionText();
        out.flush();
        return kExitOk;
    }
    if (std::holds_alternative<BatchRequest>(invocation)) return RunBatch(in, out);
    if (const auto* selfPlay = std::get_if<SelfPlayRequest>(&invocation)) {
        return RunSelfPlayCommand(*selfPlay, out, err);
    }
    const Request request = std::holds_alternative<MoveRequest>(invocation)
                                ? Request(std::get<MoveRequest>(invocation))
                                : Request(std::get<PlayRequest>(invocation));
    std::string answer;
    if (!AnswerRequest(request, answer, problem)) return Fail(err, problem);
    WriteLine(out, answer);
    return kExitOk;
}

}  // namespace tessora::engine
