#include "tools/engine/Answers.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

namespace tessora::engine {

namespace {

// One compact line. An error may quote a request's bytes; any that are not UTF-8 are replaced
// rather than thrown over.
std::string Line(const Json& answer) {
    return answer.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json GridRows(const Grid& grid) {
    Json rows = Json::array();
    for (int row = grid.firstRow(); row <= grid.lastRow(); ++row) {
        Json cells = Json::array();
        for (int column = 1; column <= kColumnCount; ++column)
            cells.push_back(grid.at(row, column));
        rows.push_back(std::move(cells));
    }
    return rows;
}

Json TraceRecordJson(const TraceRecord& record) {
    return {{"stage", StageName(record.origin.stage)},
            {"rule", record.origin.rule},
            {"side", record.origin.colour},
            {"grid", GridName(record.grid)},
            {"row", record.row},
            {"column", record.column},
            {"before", record.before},
            {"after", record.after}};
}

// The explanation's members of an explain or hint answer.
void AddExplanation(const Explanation& e, Json& answer) {
    answer.update({{"kind", ExplanationKindName(e.kind)}, {"text", e.text}});
    if (e.kind == ExplanationKind::BestCell) {
        answer.update({{"score", e.score}, {"grid", e.grid}, {"reasons", Json::array()}});
        for (const auto& [text, points] : std::span(e.reasons).first(e.reasonCount))
            answer["reasons"].push_back({{"text", text}, {"points", points}});
    }
    Json& avoided = answer["avoided"] = Json::array();
    for (const auto& [column, text] : std::span(e.avoided).first(e.avoidedCount))
        avoided.push_back({{"column", column}, {"text", text}});
    if (!e.chance.empty()) answer["chance"] = e.chance;
}

}  // namespace

std::string MoveAnswerJson(const MoveOutcome& outcome, const MoveRequest& request) {
    Json answer = {{"column", outcome.column}, {"stage", outcome.explanation.stage}};
    if (request.question == MoveQuestion::Move) {
        Json& grids = answer["grids"] = Json::object();
        for (const GridEntry& grid : kGridTable)
            grids[grid.name] = GridRows(outcome.grids.get(grid.id));
    } else {
        AddExplanation(outcome.explanation, answer);
    }
    if (request.trace) {
        Json& trace = answer["trace"] = Json::array();
        for (const TraceRecord& record : outcome.trace)
            trace.push_back(TraceRecordJson(record));
    }
    return Line(answer);
}

std::string PlayAnswerJson(const PlayOutcome& outcome) {
    return Line({{"moves", outcome.moves}, {"result", outcome.result}});
}

std::string SelfPlayReportJson(const SelfPlayRequest& request, const SelfPlayReport& report) {
    // The times keep a fixed number of decimals, which a JSON library's shortest form of a
    // number would not. The buffer holds even four of the longest doubles.
    const std::string strengthB =
        request.versusRandom ? "\"random\"" : std::to_string(request.strengthB);
    const SideTally& a = report.a;
    const SideTally& b = report.b;
    std::array<char, 2048> line{};
    const int length = std::snprintf(
        line.data(), line.size(),
        "{\"games\":%d,\"a\":{\"strength\":%d,\"wins\":%d,\"draws\":%d,\"losses\":%d,\"begun\":%d},"
        "\"b\":{\"strength\":%s,\"wins\":%d,\"draws\":%d,\"losses\":%d,\"begun\":%d},"
        "\"stones\":%lld,\"seconds\":%.3f,\"gamesPerSecond\":%.0f,\"cpuSeconds\":%.3f,"
        "\"gamesPerCpuSecond\":%.0f}",
        report.games, request.strengthA, a.wins, a.draws, a.losses, a.gamesBegun, strengthB.c_str(),
        b.wins, b.draws, b.losses, b.gamesBegun, report.stones, report.seconds,
        report.seconds > 0 ? report.games / report.seconds : 0.0, report.cpuSeconds,
        report.cpuSeconds > 0 ? report.games / report.cpuSeconds : 0.0);
    return std::string(line.data(), std::min<std::size_t>(std::max(length, 0), line.size() - 1));
}

std::string ErrorJson(std::string_view message) {
    return Line({{"error", message}});
}

}  // namespace tessora::engine
