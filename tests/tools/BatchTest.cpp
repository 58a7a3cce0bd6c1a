#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/Answers.h"
#include "tools/engine/RequestReader.h"

namespace tessora::engine {
namespace {

using test::Lines;
using test::RunTool;

// The message of an error answer, "" for any other answer.
std::string ErrorOf(const std::string& line) {
    const Json answer = Json::parse(line, nullptr, false);
    if (answer.is_discarded()) return "(not JSON: " + line.substr(0, 80) + ")";
    return answer.contains("error") ? answer["error"].get<std::string>() : "";
}

// Each line through --batch on its own: its one answer line and the exit status.
struct BatchAnswer {
    std::string answer;
    int status;
};
BatchAnswer AnswerOf(const std::string& line) {
    const test::EngineRun run = RunTool({"--batch"}, line + "\n");
    const std::vector<std::string> answers = Lines(run.out);
    EXPECT_EQ(answers.size(), 1u) << run.out;
    EXPECT_EQ(run.err, "");
    return {answers.empty() ? "" : answers[0], run.status};
}

std::string MoveRequest(const std::string& strength, const std::string& random) {
    return R"({"cmd":"move","moves":"4","first":"human","strength":)" + strength + R"(,"random":)" +
           random + "}";
}

// Every line gets exactly one answer line, good or bad, and the run goes on to the end; the
// exit status tells that something was refused.
TEST(EngineBatch, AnswersEveryLineAndGoesOnAfterABadRequest) {
    const std::string good =
        R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[0.25]})";
    struct Line {
        std::string request;
        const char* named;  // what the error must name ("" for JSON that does not parse); null
                            // for a good request
    };
    const std::vector<Line> lines = {
        {good, nullptr},
        {"", ""},
        {"not json", ""},
        {"[1,2]", "object"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3})", "random"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[0.25],"x":1})",
         "\"x\""},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3.5,"random":[0.25]})",
         "strength"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":"3","random":[0.25]})",
         "strength"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[]})", "random"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[1.5]})",
         "random"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":["0.5"]})",
         "random"},
        {R"({"cmd":"move","moves":4453,"first":"computer","strength":3,"random":[0.5]})", "moves"},
        {R"({"cmd":"move","moves":"4493","first":"computer","strength":3,"random":[0.5]})",
         "moves"},
        {R"({"cmd":"move","moves":"4453","first":"nobody","strength":3,"random":[0.5]})", "first"},
        {R"({"cmd":"move","moves":"445","first":"computer","strength":3,"random":[0.5]})",
         "the human is to move"},
        {R"({"cmd":"move","moves":"1111111","first":"human","strength":3,"random":[0.5]})",
         "full column"},
        {R"({"cmd":"move","moves":"4","first":"human","strength":3,"random":[0.5],"trace":1})",
         "trace"},
        {R"({"cmd":"play","moves":"4","first":"human","strength":3,"random":[0.5]})", "moves"},
        {R"({"cmd":"undo"})", "undo"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[0.25]} {})", ""},
        {good + "\r", nullptr},  // a line end written as CR LF
        {R"({"cmd":"play","human":"4352","first":"human","strength":3,"random":[0.25]})", nullptr},
    };
    std::string input;
    for (const Line& line : lines)
        input += line.request + "\n";
    const test::EngineRun run = RunTool({"--batch"}, input);

    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> answers = Lines(run.out);
    ASSERT_EQ(answers.size(), lines.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string error = ErrorOf(answers[i]);
        if (lines[i].named == nullptr) {
            EXPECT_EQ(error, "") << "line " << i + 1 << ": " << lines[i].request;
        } else {
            EXPECT_NE(error, "") << "line " << i + 1 << ": " << lines[i].request;
            EXPECT_NE(error.find(lines[i].named), std::string::npos)
                << "line " << i + 1 << ": " << lines[i].request << "\n  answer: " << answers[i];
        }
    }
    // The same request answers the same, before and after the bad lines.
    EXPECT_EQ(answers.front(), answers[answers.size() - 2]);
}

// A line too long to read is refused on its own line without being held whole, and the run
// goes on with the next line. A line of exactly the longest length is still read.
TEST(EngineBatch, RefusesAnOverLongLineAndGoesOn) {
    const std::string good = MoveRequest("3", "[0.5]");
    const std::string longest = good + std::string(kLongestRequestLine - good.size(), ' ');
    const std::string input = good + "\n" + std::string(2 * kLongestRequestLine, '[') + "\n" +
                              longest + "\n" + longest + " \n" + good;  // no last line end
    const test::EngineRun run = RunTool({"--batch"}, input);
    EXPECT_EQ(run.status, 2);
    const std::vector<std::string> answers = Lines(run.out);
    ASSERT_EQ(answers.size(), 5u) << run.out.substr(0, 400);
    EXPECT_EQ(ErrorOf(answers[0]), "");
    EXPECT_NE(ErrorOf(answers[1]).find("longer than"), std::string::npos) << answers[1];
    EXPECT_EQ(answers[2], answers[0]);
    EXPECT_NE(ErrorOf(answers[3]).find("longer than"), std::string::npos) << answers[3];
    EXPECT_EQ(answers[4], answers[0]);
}

TEST(EngineBatch, ExitsWithZeroWhenEveryRequestIsGood) {
    const std::string input =
        R"({"cmd":"move","moves":"4","first":"human","strength":1,"random":[0.5]})"
        "\n"
        R"({"cmd":"play","human":"1","first":"computer","strength":4,"random":[0.9,0.1]})"
        "\n";
    const test::EngineRun run = RunTool({"--batch"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out).size(), 2u);
    EXPECT_EQ(run.out.find("error"), std::string::npos) << run.out;
}

TEST(EngineBatch, AnswersNothingForNoInput) {
    const test::EngineRun run = RunTool({"--batch"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

// A message quoting a request's text stays one valid JSON line whatever the text holds.
TEST(EngineBatch, ErrorAnswersStayValidJsonForHostileText) {
    const std::string input = R"({"cmd":"move\n\"\u0000\u00e4","moves":"4"})"
                              "\n";
    const test::EngineRun run = RunTool({"--batch"}, input);
    const std::vector<std::string> answers = Lines(run.out);
    ASSERT_EQ(answers.size(), 1u) << run.out;
    EXPECT_NE(ErrorOf(answers[0]).find("cmd"), std::string::npos) << answers[0];
}

// A line that is not JSON is refused on one line with status 2, whatever it holds, and deep
// nesting neither crashes the tool nor is taken for a request.
TEST(EngineBatch, RefusesWhatIsNotAJsonRequest) {
    const std::string good = MoveRequest("3", "[0.5]");
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string cases[] = {
        "{",
        "[1,]",
        "{a:1}",
        "{'a':1}",
        "01",
        ".5",
        "NaN",
        R"("a)"
        "\t"
        R"(b")",             // a raw control character in a string
        R"("\ud800")",       // high surrogate alone
        "\"\xC3\"",          // cut UTF-8 sequence
        "\"\xED\xA0\x80\"",  // encoded surrogate
        "// comment",
        good + " {}",  // text after the value
        good + "x",
        // NUL bytes before, inside and after the request: the last would end the text early.
        std::string(1, '\0') + good,
        good.substr(0, 10) + std::string(1, '\0') + good.substr(10),
        good + std::string(1, '\0') + "{}",
        "\xFF" + good,
        MoveRequest("1e999", "[0.5]"),  // too large for a double
        std::string(100000, '['),
        deep,
        R"({"cmd":"move","moves":"4","x":)" + deep + "}",
    };
    for (const std::string& line : cases) {
        SCOPED_TRACE(line.substr(0, 80));
        const BatchAnswer answer = AnswerOf(line);
        EXPECT_EQ(answer.status, 2);
        EXPECT_NE(ErrorOf(answer.answer), "") << answer.answer;
    }
}

// What strict JSON allows is read as the same request: escapes, white space, the members in
// any order, and a number in any of its written forms.
TEST(EngineBatch, ReadsEveryFormOfTheSameRequestAlike) {
    const std::string plain = MoveRequest("3", "[0.25,0.5]");
    const std::string expected = AnswerOf(plain).answer;
    ASSERT_EQ(ErrorOf(expected), "");
    const std::string forms[] = {
        MoveRequest("3", "[25e-2,5E-1]"),
        MoveRequest("3", "[0.250,0.5e0]"),
        R"({"cmd":"m\u006fve","moves":"\u0034","first":"hum\u0061n","strength":3,"random":[0.25,0.5]})",
        R"(  { "random" : [ 0.25 , 0.5 ] , "strength" : 3 , "first" : "human" , "moves" : "4" ,)"
        R"( "cmd" : "move" }  )",
        plain.substr(0, plain.size() - 1) + R"(,"trace":false})",
    };
    for (const std::string& form : forms) {
        EXPECT_EQ(AnswerOf(form).answer, expected) << form;
    }
}

// The strength is a whole number written as one, never cut down to a level; a draw may be any
// number in [0, 1).
TEST(EngineBatch, StrengthMustBeWrittenAsAWholeNumber) {
    for (const char* strength : {"3.0", "1e0", "-0", "5", "4294967299", "18446744073709551619"}) {
        const BatchAnswer answer = AnswerOf(MoveRequest(strength, "[0.5]"));
        EXPECT_EQ(answer.status, 2) << strength;
        EXPECT_NE(ErrorOf(answer.answer).find("strength"), std::string::npos) << answer.answer;
    }
    EXPECT_NE(ErrorOf(AnswerOf(MoveRequest("3", "[1e0]")).answer), "");
    EXPECT_EQ(ErrorOf(AnswerOf(MoveRequest("4", "[0]")).answer), "");
}

}  // namespace
}  // namespace tessora::engine
