#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/Answers.h"

namespace tessora::engine {
namespace {

using test::Lines;
using test::RunTool;

// count draws of 0, in one word.
std::string ManyDraws(int count) {
    std::string draws = "0";
    for (int i = 1; i < count; ++i)
        draws += ",0";
    return draws;
}

struct BadCommandLine {
    std::vector<std::string> args;
    const char* named;  // what the message must name: the option or the fault it found
};

// Each refused command line: exit status 2, nothing on standard output, exactly one line on
// standard error that names what is wrong. The words are CLI11's for the form of the command
// line and the tool's own for the position.
TEST(EngineCommandLine, RefusesBadInputWithOneLineAndStatusTwo) {
    const BadCommandLine cases[] = {
        {{}, "no command"},
        {{"think"}, "think"},
        {{"move", "--moves", "445", "--random", "0.25", "--depth", "3"}, "--depth"},
        {{"move", "--moves", "445", "--random", "0.25", "--x\ny"}, "--x"},
        {{"move", "--moves", "445", "--random"}, "--random"},
        {{"move", "--random", "0.25"}, "--moves"},
        {{"move", "--moves", "445"}, "--random"},
        // An option given twice is refused, in either of CLI11's forms.
        {{"move", "--moves", "445", "--moves", "4", "--random", "0.5"}, "--moves"},
        {{"move", "--moves=4", "--random", "0.5", "--moves=4"}, "--moves"},
        {{"move", "--moves", "4", "--random", "0.5", "--strength", "3", "--strength", "3"},
         "--strength"},
        {{"selfplay", "--games", "5", "--games", "5", "--strength-a", "3", "--strength-b", "3"},
         "--games"},
        {{"move", "--moves", "485", "--random", "0.25"}, "--moves"},
        {{"move", "--moves", "405", "--random", "0.25"}, "--moves"},
        {{"move", "--moves", std::string(43, '1'), "--random", "0.25"}, "--moves"},
        {{"move", "--moves", "4\n5", "--random", "0.25"}, "--moves"},
        // Column 1 takes six stones; the seventh overfills it.
        {{"move", "--moves", "1111111", "--random", "0.25"}, "stone 7 (column 1)"},
        // Four human stones in column 1 end the game before the computer could move.
        {{"move", "--moves", "1212121", "--random", "0.25"}, "the game is over"},
        {{"move", "--moves", "12121213", "--first", "computer", "--random", "0.25"},
         "the game is over"},
        {{"move", "--moves", "44", "--random", "0.25"}, "the human is to move"},
        {{"move", "--moves", "4", "--first", "computer", "--random", "0.25"},
         "the human is to move"},
        {{"move", "--moves", "4", "--first", "nobody", "--random", "0.25"}, "--first"},
        {{"move", "--moves", "4", "--strength", "5", "--random", "0.25"}, "--strength"},
        {{"move", "--moves", "4", "--strength", "0", "--random", "0.25"}, "--strength"},
        {{"move", "--moves", "4", "--strength", "3.5", "--random", "0.25"}, "--strength"},
        {{"move", "--moves", "4", "--random", "1"}, "--random"},
        {{"move", "--moves", "4", "--random", "-0.1"}, "--random"},
        {{"move", "--moves", "4", "--random", "nan"}, "--random"},
        {{"move", "--moves", "4", "--random", "0.5x"}, "--random"},
        {{"move", "--moves", "4", "--random", ""}, "--random"},
        {{"move", "--moves", "4", "--random", "1e999"}, "--random"},
        {{"move", "--moves", "4", "--random", ManyDraws(10001)}, "--random"},
        // explain takes move's options and positions; hint wants the human to move.
        {{"explain", "--moves", "44", "--random", "0.25"}, "the human is to move"},
        {{"explain", "--moves", "445", "--random", "0.25", "--depth", "3"}, "--depth"},
        {{"hint", "--moves", "445", "--random", "0.25"}, "the computer is to move"},
        {{"hint", "--moves", "1212121", "--random", "0.25"}, "the game is over"},
        {{"hint", "--moves", "44"}, "--random"},
        {{"play", "--random", "0.5"}, "--human"},
        {{"play", "--human", "4", "--random", "0.5", "--trace"}, "--trace"},
        {{"play", "--human", "48", "--random", "0.5"}, "--human"},
        // The computer caps the human's tower in column 1 with its own stones, so the column fills
        // and the human's seventh stone there cannot be played.
        {{"play", "--human", "1111111", "--strength", "1", "--random", "0.5"}, "full column"},
        {{"selfplay", "--games", "10", "--strength-a", "3"}, "--strength-b"},
        {{"selfplay", "--games", "0", "--strength-a", "3", "--strength-b", "3"}, "--games"},
        {{"selfplay", "--games", "ten", "--strength-a", "3", "--strength-b", "3"}, "--games"},
        {{"selfplay", "--games", "99999999999999999999999", "--strength-a", "3", "--strength-b",
          "3"},
         "--games"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--versus", "human"}, "--versus"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "2", "--versus",
          "random"},
         "--versus"},
        // A seed that is no 64-bit whole number is refused rather than wrapped round or capped.
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "3", "--seed", "-1"},
         "--seed"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "3", "--seed",
          "18446744073709551616"},
         "--seed"},
        {{"--batch", "extra"}, "extra"},
        {{"--batch", "move", "--moves", "4", "--random", "0.5"}, "--batch"},
        {{"move", "--moves", "4", "--random", "0.5", "play"}, "play"},
    };
    for (const BadCommandLine& c : cases) {
        std::string shown;
        for (const std::string& arg : c.args)
            shown += " [" + arg.substr(0, 40) + "]";
        const test::EngineRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        const std::vector<std::string> lines = Lines(run.err);
        ASSERT_EQ(lines.size(), 1u) << shown << "\n" << run.err;
        EXPECT_NE(lines[0].find(c.named), std::string::npos)
            << shown << "\n  message: " << lines[0] << "\n  expected to name: " << c.named;
        EXPECT_EQ(lines[0].rfind("tessora-engine: ", 0), 0u) << lines[0];
    }
}

// CLI11's forms of the same command give the same answer: "--option=value" or two words, the
// draws in one word or several, the options in any order.
TEST(EngineCommandLine, ReadsEveryFormOfTheSameCommandAlike) {
    const std::string expected =
        RunTool({"move", "--moves", "445", "--strength", "4", "--random", "0.25,0.7"}).out;
    ASSERT_NE(expected, "");
    const std::vector<std::string> forms[] = {
        {"move", "--moves=445", "--strength=4", "--random=0.25,0.7"},
        {"move", "--random", "0.25", "0.7", "--strength", "4", "--moves", "445"},
        {"move", "--moves", "445", "--first", "human", "--strength", "4", "--random", "0.25,0.7",
         "--trace=false"},
    };
    for (const std::vector<std::string>& args : forms) {
        const test::EngineRun run = RunTool(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, expected) << args[1];
    }
}

// A good command prints exactly one complete JSON line and nothing on standard error.
TEST(EngineCommandLine, AnswersAGoodCommandWithOneJsonLine) {
    const std::vector<std::string> cases[] = {
        {"move", "--moves", "4453", "--first", "computer", "--strength", "3", "--random",
         "0.25,0.7"},
        {"move", "--moves", "", "--first", "computer", "--random", "0.5"},
        {"move", "--moves", "445", "--random", "0.25"},  // human first and strength 3 by default
        {"move", "--trace", "--random", "0.1", "--moves", "4"},
        {"explain", "--moves", "445", "--random", "0.25", "--trace"},
        {"hint", "--moves", "4453", "--random", "0.25"},
        {"play", "--human", "4352", "--random", "0.25"},
        {"selfplay", "--games", "4", "--strength-a", "1", "--versus", "random", "--seed", "9"},
    };
    for (const std::vector<std::string>& args : cases) {
        const test::EngineRun run = RunTool(args);
        EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << run.out;
        EXPECT_TRUE(Json::parse(lines[0], nullptr, false).is_object()) << lines[0];
    }
}

// The members of an explanation in their order; score, grid and reasons for the best cell only.
TEST(EngineCommandLine, ExplanationAnswerNamesTheColumnAndWhatDecided) {
    struct Case {
        std::vector<std::string> args;
        const char* kind;
        std::vector<std::string> members;
    };
    const std::vector<std::string> bestCell = {"column", "stage", "kind",    "text",
                                               "score",  "grid",  "reasons", "avoided"};
    const Case cases[] = {
        {{"explain", "--moves", "445", "--random", "0.25"}, "best-cell", bestCell},
        {{"hint", "--moves", "4453", "--random", "0.25"}, "best-cell", bestCell},
        // The computer's three in the bottom row, columns 4 to 6; then the human's.
        {{"explain", "--moves", "7475161", "--random", "0.25"},
         "win",
         {"column", "stage", "kind", "text", "avoided"}},
        {{"explain", "--moves", "41516", "--random", "0.25"},
         "block",
         {"column", "stage", "kind", "text", "avoided"}},
    };
    for (const Case& c : cases) {
        const test::EngineRun run = RunTool(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const Json answer = Json::parse(run.out);
        std::vector<std::string> members;
        for (const auto& [name, value] : answer.items())
            members.push_back(name);
        EXPECT_EQ(members, c.members) << run.out;
        EXPECT_EQ(answer["kind"], c.kind);
        const std::string spalte = "Spalte " + std::to_string(answer["column"].get<int>());
        EXPECT_NE(answer["text"].get<std::string>().find(spalte), std::string::npos) << run.out;
    }
}

TEST(EngineCommandLine, MoveAnswerHasTheGridsInOrderOverTheirRowRanges) {
    const test::EngineRun run = RunTool({"move", "--moves", "4", "--random", "0.3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json answer = Json::parse(run.out);
    ASSERT_EQ(answer.size(), 3u);
    auto member = answer.items().begin();
    EXPECT_EQ(member.key(), "column");
    EXPECT_EQ((++member).key(), "stage");
    EXPECT_EQ((++member).key(), "grids");
    const Json& grids = answer["grids"];
    struct Expected {
        const char* name;
        std::size_t rows;
    };
    const Expected expected[] = {{"AttackScore", 8}, {"DefenceScore", 8},  {"OwnThreat", 11},
                                 {"FoeThreat", 10},  {"ForbiddenMark", 9}, {"AvoidMark", 8},
                                 {"CautionMark", 8}, {"DoubtMark", 6}};
    ASSERT_EQ(grids.size(), std::size(expected));
    const Expected* next = expected;
    for (const auto& [name, rows] : grids.items()) {
        EXPECT_EQ(name, next->name);
        ASSERT_EQ(rows.size(), next->rows) << name;
        for (const Json& row : rows) {
            EXPECT_EQ(row.size(), 7u) << name;
        }
        ++next;
    }
}

// --help lists the commands, and after a command that command's options; --version is one line.
TEST(EngineCommandLine, HelpAndVersionPrintTheirTextWithStatusZero) {
    const std::pair<std::vector<std::string>, std::vector<const char*>> cases[] = {
        {{"--help"}, {"move", "play", "selfplay", "--batch", "--version"}},
        {{"move", "--help"}, {"--moves", "--first", "--strength", "--random", "--trace"}},
        {{"play", "--human", "4", "--help"}, {"--human", "--random"}},
        {{"selfplay", "--help"}, {"--games", "--strength-a", "--strength-b", "--versus", "--seed"}},
    };
    for (const auto& [args, names] : cases) {
        const test::EngineRun run = RunTool(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_EQ(run.err, "");
        for (const char* name : names)
            EXPECT_NE(run.out.find(name), std::string::npos) << args[0] << " lacks " << name;
    }
    const test::EngineRun version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    ASSERT_EQ(Lines(version.out).size(), 1u) << version.out;
    EXPECT_EQ(version.out.rfind("tessora-engine ", 0), 0u) << version.out;
}

}  // namespace
}  // namespace tessora::engine
