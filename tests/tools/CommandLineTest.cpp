#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/JsonInput.h"

namespace tessora::engine {
namespace {

using test::Lines;
using test::RunTool;

struct BadCommandLine {
    std::vector<std::string> args;
    const char* messagePart;  // a piece the one-line message must contain
};

// Each refused command line: exit status 2, nothing on standard output, exactly one line on
// standard error that says what is wrong.
TEST(EngineCommandLine, RefusesBadInputWithOneLineAndStatusTwo) {
    const BadCommandLine cases[] = {
        {{}, "no command"},
        {{"think"}, "unknown command \"think\""},
        {{"move", "--moves", "445", "--random", "0.25", "--depth", "3"}, "unknown option"},
        {{"move", "--moves", "445", "--random"}, "--random needs a value"},
        {{"move", "--random", "0.25"}, "move needs --moves"},
        {{"move", "--moves", "445"}, "move needs --random"},
        {{"move", "--moves", "445", "--moves", "4", "--random", "0.5"}, "given twice"},
        {{"move", "--moves", "485", "--random", "0.25"}, "\"8\" at position 2"},
        {{"move", "--moves", "405", "--random", "0.25"}, "\"0\" at position 2"},
        {{"move", "--moves", "4a5", "--random", "0.25"}, "not a column digit"},
        {{"move", "--moves", std::string(43, '1'), "--random", "0.25"}, "more than 42"},
        // Column 1 takes six stones; the seventh overfills it.
        {{"move", "--moves", "1111111", "--random", "0.25"}, "stone 7 (column 1) goes into a full"},
        // Four human stones in column 1 end the game before the computer could move.
        {{"move", "--moves", "1212121", "--random", "0.25"}, "the game is over"},
        {{"move", "--moves", "12121213", "--first", "computer", "--random", "0.25"},
         "the game is over"},
        {{"move", "--moves", "44", "--random", "0.25"}, "the human is to move"},
        {{"move", "--moves", "4", "--first", "computer", "--random", "0.25"},
         "the human is to move"},
        {{"move", "--moves", "4", "--first", "nobody", "--random", "0.25"}, "first player"},
        {{"move", "--moves", "4", "--strength", "5", "--random", "0.25"}, "--strength \"5\""},
        {{"move", "--moves", "4", "--strength", "0", "--random", "0.25"}, "outside 1..4"},
        {{"move", "--moves", "4", "--strength", "3.0", "--random", "0.25"}, "not a whole number"},
        {{"move", "--moves", "4", "--strength", "-3", "--random", "0.25"}, "not a whole number"},
        {{"move", "--moves", "4", "--random", "1"}, "not in [0, 1)"},
        {{"move", "--moves", "4", "--random", "-0.1"}, "not in [0, 1)"},
        {{"move", "--moves", "4", "--random", "0.2,,0.3"}, "is not a number"},
        {{"move", "--moves", "4", "--random", "0.2,"}, "is not a number"},
        {{"move", "--moves", "4", "--random", ".5"}, "is not a number"},
        {{"move", "--moves", "4", "--random", "0.5x"}, "is not a number"},
        {{"move", "--moves", "4", "--random", ""}, "is not a number"},
        {{"play", "--random", "0.5"}, "play needs --human"},
        {{"play", "--human", "4", "--random", "0.5", "--trace"}, "unknown option"},
        {{"play", "--human", "48", "--random", "0.5"}, "not a column digit"},
        // The computer caps the human's tower in column 1 with its own stones, so the column fills
        // and the human's seventh stone there cannot be played.
        {{"play", "--human", "1111111", "--strength", "1", "--random", "0.5"}, "goes into a full"},
        {{"selfplay", "--games", "10", "--strength-a", "3"}, "selfplay needs --strength-b"},
        {{"selfplay", "--games", "0", "--strength-a", "3", "--strength-b", "3"}, "--games"},
        {{"selfplay", "--games", "ten", "--strength-a", "3", "--strength-b", "3"}, "whole number"},
        {{"selfplay", "--games", "99999999999999999999999", "--strength-a", "3", "--strength-b",
          "3"},
         "--games"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--versus", "human"}, "--versus"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "2", "--versus",
          "random"},
         "--strength-b does not apply"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "3", "--seed", "-1"},
         "--seed"},
        {{"--batch", "extra"}, "takes no further arguments"},
        // Option and value are two words; the "--option=value" form stays unknown.
        {{"move", "--moves=445", "--random", "0.25"}, "unknown option \"--moves=445\" for move"},
        {{"move", "--moves", "4", "--random", "0.5", "--trace=false"}, "unknown option"},
        {{"move", "--moves", "4", "--random", "0.5", "--trace", "--trace"},
         "option --trace is given twice"},
        {{"move", "--moves", "4", "--random", "0.5", "--random", "0.5"}, "--random is given twice"},
        {{"selfplay", "--games", "5", "--games", "5", "--strength-a", "3", "--strength-b", "3"},
         "--games is given twice"},
        {{"move", "--moves", "4", "--random", "0.5", "--"}, "unknown option \"--\" for move"},
        {{"move", "--moves", "4", "--random", "0.5", "--help"}, "unknown option \"--help\""},
        {{"move", "--moves", "4", "--random", "0.5", "-h"}, "unknown option \"-h\""},
        {{"move", "--moves", "4", "--random", "0.5", "0.7"}, "unknown option \"0.7\""},
        {{"play", "--human", "4", "--random", "0.5", "--moves", "4"}, "unknown option \"--moves\""},
        // The word after an option is its value, even when it looks like an option.
        {{"move", "--first", "--trace", "--moves", "4", "--random", "0.5"},
         "first player \"--trace\""},
        {{"move", "--moves", "4", "--random", "1e-400"}, "\"1e-400\" is not a number"},
        {{"move", "--moves", "4", "--random", "1e999"}, "is not a number"},
        {{"move", "--moves", "4", "--random", "0.5", "--strength", "+3"}, "not a whole number"},
        {{"move", "--moves", "4", "--random", "0.5", "--strength", "0x3"}, "not a whole number"},
        {{"move", "--moves", "4", "--random", "0.5", "--strength", " 3"}, "not a whole number"},
        {{"move", "--moves", "4", "--random", "0.5", "--strength", "000000000000000000003"},
         "not a whole number"},
        {{"selfplay", "--games", "5", "--strength-a", "3", "--strength-b", "3", "--seed",
          "18446744073709551616"},
         "is too large"},
        {{"move", "--moves", "4\n5", "--random", "0.25"}, "\"?\" at position 2"},
    };
    for (const BadCommandLine& c : cases) {
        std::string shown;
        for (const std::string& arg : c.args)
            shown += " [" + arg + "]";
        const test::EngineRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        const std::vector<std::string> lines = Lines(run.err);
        ASSERT_EQ(lines.size(), 1u) << shown << "\n" << run.err;
        EXPECT_NE(lines[0].find(c.messagePart), std::string::npos)
            << shown << "\n  message: " << lines[0] << "\n  expected to contain: " << c.messagePart;
        EXPECT_EQ(lines[0].rfind("tessora-engine: ", 0), 0u) << lines[0];
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
        {"play", "--human", "4352", "--random", "0.25"},
        {"selfplay", "--games", "4", "--strength-a", "1", "--versus", "random", "--seed", "9"},
    };
    for (const std::vector<std::string>& args : cases) {
        const test::EngineRun run = RunTool(args);
        EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << run.out;
        Json answer;
        std::string error;
        EXPECT_TRUE(ParseJsonLine(lines[0], answer, error)) << error;
        EXPECT_TRUE(answer.is_object());
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

TEST(EngineCommandLine, HelpPrintsTheUsage) {
    const test::EngineRun run = RunTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("tessora-engine move --moves"), std::string::npos);
    EXPECT_NE(run.out.find("selfplay"), std::string::npos);
}

}  // namespace
}  // namespace tessora::engine
