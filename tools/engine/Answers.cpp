#include "tools/engine/Answers.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace tessora::engine {

namespace {

void AppendInt(std::string& out, long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void AppendKey(std::string& out, std::string_view key) {
    AppendJsonString(out, key);
    out.push_back(':');
}

// ,"key":value after an earlier member.
void AppendMember(std::string& out, std::string_view key, long long value) {
    out.push_back(',');
    AppendKey(out, key);
    AppendInt(out, value);
}

void AppendGrid(std::string& out, const Grid& grid) {
    out.push_back('[');
    for (int row = grid.firstRow(); row <= grid.lastRow(); ++row) {
        if (row != grid.firstRow()) out.push_back(',');
        out.push_back('[');
        for (int column = 1; column <= kColumnCount; ++column) {
            if (column != 1) out.push_back(',');
            AppendInt(out, grid.at(row, column));
        }
        out.push_back(']');
    }
    out.push_back(']');
}

void AppendTraceRecord(std::string& out, const TraceRecord& record) {
    out += "{\"stage\":";
    AppendJsonString(out, StageName(record.origin.stage));
    AppendMember(out, "rule", record.origin.rule);
    AppendMember(out, "side", record.origin.colour);
    out += ",\"grid\":";
    AppendJsonString(out, GridName(record.grid));
    AppendMember(out, "row", record.row);
    AppendMember(out, "column", record.column);
    AppendMember(out, "before", record.before);
    AppendMember(out, "after", record.after);
    out.push_back('}');
}

void AppendTally(std::string& out, const SideTally& tally) {
    AppendMember(out, "wins", tally.wins);
    AppendMember(out, "draws", tally.draws);
    AppendMember(out, "losses", tally.losses);
    AppendMember(out, "begun", tally.gamesBegun);
    out.push_back('}');
}

// ,"key":value with the given number of decimals.
void AppendFixedMember(std::string& out, std::string_view key, double value, int decimals) {
    out.push_back(',');
    AppendKey(out, key);
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    if (length > 0) out.append(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out.push_back('"');
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (byte < 0x20) {
            out += "\\u00";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xF]);
        } else {
            out.push_back(ch);
        }
    }
    out.push_back('"');
}

std::string MoveAnswerJson(const MoveOutcome& outcome, bool withTrace) {
    std::string out;
    out.reserve(withTrace ? 6000 + 120 * outcome.trace.size() : 6000);
    out += "{\"column\":";
    AppendInt(out, outcome.column);
    out += ",\"stage\":";
    AppendJsonString(out, StageName(outcome.stage));
    out += ",\"grids\":{";
    for (const GridEntry& grid : kGridTable) {
        if (&grid != &kGridTable.front()) out.push_back(',');
        AppendKey(out, grid.name);
        AppendGrid(out, outcome.grids.get(grid.id));
    }
    out.push_back('}');
    if (withTrace) {
        out += ",\"trace\":[";
        for (std::size_t i = 0; i < outcome.trace.size(); ++i) {
            if (i != 0) out.push_back(',');
            AppendTraceRecord(out, outcome.trace[i]);
        }
        out.push_back(']');
    }
    out.push_back('}');
    return out;
}

std::string PlayAnswerJson(const PlayOutcome& outcome) {
    std::string out = "{\"moves\":";
    AppendJsonString(out, outcome.moves);
    out += ",\"result\":";
    AppendJsonString(out, outcome.result);
    out.push_back('}');
    return out;
}

std::string SelfPlayReportJson(const SelfPlayRequest& request, const SelfPlayReport& report) {
    std::string out = "{\"games\":";
    AppendInt(out, report.games);
    out += ",\"a\":{\"strength\":";
    AppendInt(out, request.strengthA);
    AppendTally(out, report.a);
    out += ",\"b\":{\"strength\":";
    if (request.versusRandom) {
        AppendJsonString(out, "random");
    } else {
        AppendInt(out, request.strengthB);
    }
    AppendTally(out, report.b);
    AppendMember(out, "stones", report.stones);
    AppendFixedMember(out, "seconds", report.seconds, 3);
    AppendFixedMember(out, "gamesPerSecond",
                      report.seconds > 0 ? report.games / report.seconds : 0.0, 0);
    AppendFixedMember(out, "cpuSeconds", report.cpuSeconds, 3);
    AppendFixedMember(out, "gamesPerCpuSecond",
                      report.cpuSeconds > 0 ? report.games / report.cpuSeconds : 0.0, 0);
    out.push_back('}');
    return out;
}

std::string ErrorJson(std::string_view message) {
    std::string out = "{\"error\":";
    AppendJsonString(out, message);
    out.push_back('}');
    return out;
}

}  // namespace tessora::engine
