// The stored-result regression check: every request of the reference files goes through the
// engine's batch path, and the answer must agree with the stored one in column, stage and
// every grid cell (moves), or in moves and result (whole games); explain and hint name the stored
// moves' columns and stages too.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/engine/Answers.h"
#include "tools/engine/Engine.h"

namespace tessora::engine {
namespace {

// One stored line: the request text as written and the expected answer.
struct StoredAnswer {
    int lineNumber = 0;
    std::string request;
    std::string answerText;
    Json answer;
};

// The member called name, or null when there is none.
const Json* Find(const Json& object, const char* name) {
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::vector<StoredAnswer> ReadStoredAnswers(const std::string& fileName) {
    std::ifstream file(std::string(TESSORA_TEST_DATA_DIR) + "/" + fileName);
    std::vector<StoredAnswer> stored;
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        // Each line is {"request":{...},"answer":{...}}.
        constexpr std::string_view kRequestKey = "{\"request\":";
        constexpr std::string_view kAnswerKey = ",\"answer\":";
        const std::size_t split = line.find(kAnswerKey);
        if (line.rfind(kRequestKey, 0) != 0 || split == std::string::npos || line.back() != '}') {
            ADD_FAILURE() << fileName << ":" << lineNumber << " is not a stored answer line";
            continue;
        }
        StoredAnswer entry;
        entry.lineNumber = lineNumber;
        entry.request = line.substr(kRequestKey.size(), split - kRequestKey.size());
        entry.answerText =
            line.substr(split + kAnswerKey.size(), line.size() - 1 - split - kAnswerKey.size());
        entry.answer = Json::parse(entry.answerText, nullptr, false);
        if (entry.answer.is_discarded()) {
            ADD_FAILURE() << fileName << ":" << lineNumber << ": the answer is not JSON";
            continue;
        }
        stored.push_back(std::move(entry));
    }
    return stored;
}

// Collects the differences of one answer, at most a handful of cells in detail.
class Differences {
  public:
    void Add(const std::string& what) {
        if (shown_ < kShownCells) {
            text_ << "\n    " << what;
            ++shown_;
        }
        ++count_;
    }
    int count() const { return count_; }
    std::string text() const {
        std::string result = text_.str();
        if (count_ > shown_) result += "\n    ... " + std::to_string(count_ - shown_) + " more";
        return result;
    }

  private:
    static constexpr int kShownCells = 8;
    std::ostringstream text_;
    int count_ = 0;
    int shown_ = 0;
};

std::string Show(const Json* value) {
    if (value == nullptr) return "(missing)";
    if (value->is_string() || value->is_number()) return value->dump();
    return "(not a plain value)";
}

void CompareScalar(const Json& expected, const Json& got, const char* name,
                   Differences& differences) {
    const std::string want = Show(Find(expected, name));
    const std::string have = Show(Find(got, name));
    if (want != have) differences.Add(std::string(name) + ": expected " + want + ", got " + have);
}

// The grids' first row indexes, to name cells by their rows.
int FirstRowOf(const std::string& grid) {
    if (grid == "OwnThreat" || grid == "FoeThreat") return 0;
    return 1;
}

void CompareGrids(const Json& expected, const Json& got, Differences& differences) {
    const Json* wantGrids = Find(expected, "grids");
    const Json* haveGrids = Find(got, "grids");
    if (wantGrids == nullptr || haveGrids == nullptr) {
        differences.Add("grids missing");
        return;
    }
    for (const auto& [name, want] : wantGrids->items()) {
        const Json* have = Find(*haveGrids, name.c_str());
        if (have == nullptr || have->size() != want.size()) {
            differences.Add(name + ": expected " + std::to_string(want.size()) + " rows, got " +
                            (have == nullptr ? "none" : std::to_string(have->size())));
            continue;
        }
        for (std::size_t r = 0; r < want.size(); ++r) {
            const Json& wantRow = want[r];
            const Json& haveRow = (*have)[r];
            const int row = FirstRowOf(name) + static_cast<int>(r);
            for (std::size_t c = 0; c < wantRow.size(); ++c) {
                const std::string wantCell = wantRow[c].dump();
                const std::string haveCell = c < haveRow.size() ? haveRow[c].dump() : "(missing)";
                if (wantCell != haveCell) {
                    differences.Add(name + "(row " + std::to_string(row) + ", column " +
                                    std::to_string(c + 1) + "): expected " + wantCell + ", got " +
                                    haveCell);
                }
            }
        }
    }
}

// Where two texts first differ, with a little of each around that place.
std::string TextDifference(const std::string& expected, const std::string& got) {
    std::size_t at = 0;
    while (at < expected.size() && at < got.size() && expected[at] == got[at])
        ++at;
    const std::size_t from = at < 30 ? 0 : at - 30;
    return "at character " + std::to_string(at) + ": expected ..." + expected.substr(from, 60) +
           "..., got ..." + got.substr(from, 60) + "...";
}

// Runs every stored request and fails once with a summary: how many lines differ, how many
// by expected stage, and the first few lines with their differing cells.
void CheckStoredAnswers(const std::string& fileName, const std::vector<const char*>& scalars,
                        bool withGrids) {
    const std::vector<StoredAnswer> stored = ReadStoredAnswers(fileName);
    ASSERT_FALSE(stored.empty()) << "no stored answers in " << fileName;
    constexpr int kShownLines = 6;
    int failing = 0;
    std::map<std::string, int> failingByStage;
    std::ostringstream report;
    for (const StoredAnswer& entry : stored) {
        std::string answerText;
        Problem problem;
        const bool answered = AnswerRequestLine(entry.request, answerText, problem);
        Differences differences;
        const Json answer = Json::parse(answerText, nullptr, false);
        if (!answered) {
            differences.Add("refused: " + problem.message);
        } else if (answer.is_discarded()) {
            differences.Add("answer is not JSON: " + answerText);
        } else {
            for (const char* name : scalars)
                CompareScalar(entry.answer, answer, name, differences);
            if (withGrids) CompareGrids(entry.answer, answer, differences);
            // Same values must also mean the same text, minus the trace, which is ours.
            if (differences.count() == 0 && answerText != entry.answerText) {
                differences.Add("same values, but the text differs " +
                                TextDifference(entry.answerText, answerText));
            }
        }
        if (differences.count() == 0) continue;
        ++failing;
        ++failingByStage[Show(Find(entry.answer, "stage"))];
        if (failing <= kShownLines) {
            report << "\n  line " << entry.lineNumber << ": " << entry.request
                   << differences.text();
        }
    }
    if (failing == 0) return;
    std::ostringstream summary;
    summary << fileName << ": " << failing << " of " << stored.size() << " stored answers differ";
    if (withGrids) {
        summary << " (by expected stage:";
        for (const auto& [stage, count] : failingByStage)
            summary << " " << stage << " " << count;
        summary << ")";
    }
    ADD_FAILURE() << summary.str() << report.str();
}

TEST(ReferenceAnswers, EveryStoredMoveGivesTheStoredColumnStageAndGrids) {
    CheckStoredAnswers("moves.jsonl", {"column", "stage"}, true);
}

TEST(ReferenceAnswers, EveryStoredGameIsPlayedToTheStoredEnd) {
    CheckStoredAnswers("games.jsonl", {"moves", "result"}, false);
}

// The column and stage of the answer to a batch request, or the reason it was refused.
std::string ColumnAndStage(const Json& request) {
    std::string answerText;
    Problem problem;
    if (!AnswerRequestLine(request.dump(), answerText, problem))
        return "refused: " + problem.message;
    const Json answer = Json::parse(answerText);
    return Show(Find(answer, "column")) + " " + Show(Find(answer, "stage"));
}

// Fails once, naming the first few stored lines whose answer to the changed request differs.
void CheckEveryStoredMove(const std::function<Json(const Json&)>& changed,
                          const std::function<std::string(const StoredAnswer&)>& expected) {
    constexpr int kShownLines = 6;
    int failing = 0;
    std::ostringstream report;
    const std::vector<StoredAnswer> stored = ReadStoredAnswers("moves.jsonl");
    ASSERT_FALSE(stored.empty());
    for (const StoredAnswer& entry : stored) {
        const Json request = changed(Json::parse(entry.request));
        const std::string want = expected(entry);
        const std::string have = ColumnAndStage(request);
        if (want == have) continue;
        if (++failing <= kShownLines) {
            report << "\n  line " << entry.lineNumber << ": " << request.dump() << ": expected "
                   << want << ", got " << have;
        }
    }
    if (failing > 0)
        ADD_FAILURE() << failing << " of " << stored.size() << " differ" << report.str();
}

TEST(ReferenceAnswers, EveryStoredMoveIsExplainedWithTheStoredColumnAndStage) {
    CheckEveryStoredMove(
        [](Json request) {
            request["cmd"] = "explain";
            return request;
        },
        [](const StoredAnswer& entry) {
            return Show(Find(entry.answer, "column")) + " " + Show(Find(entry.answer, "stage"));
        });
}

// The same stones with the other side beginning leave the human to move: the hint is the same
// player's move in the human's place.
TEST(ReferenceAnswers, AHintIsTheMoveWithTheOtherSideBeginning) {
    CheckEveryStoredMove(
        [](Json request) {
            request["cmd"] = "hint";
            request["first"] = request["first"] == "human" ? "computer" : "human";
            return request;
        },
        [](const StoredAnswer& entry) { return ColumnAndStage(Json::parse(entry.request)); });
}

}  // namespace
}  // namespace tessora::engine
