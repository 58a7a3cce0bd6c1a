#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/JsonInput.h"

namespace tessora::engine {
namespace {

using test::Lines;
using test::RunTool;

// The message of an error answer, "" for any other answer.
std::string ErrorOf(const std::string& line) {
    if (!Json::accept(line)) return "(not JSON: " + line + ")";
    const Json answer = Json::parse(line);
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
        const char* errorPart;  // null for a good request
    };
    const std::vector<Line> lines = {
        {good, nullptr},
        {"", "a value is missing"},
        {"not json", "invalid JSON"},
        {"[1,2]", "must be a JSON object"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3})",
         "\"random\" is missing"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[0.25],"x":1})",
         "unknown member \"x\""},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3.5,"random":[0.25]})",
         "strength"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":"3","random":[0.25]})",
         "must be a number"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[]})",
         "1 to 10000 draws"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[1.5]})",
         "not in [0, 1)"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":["0.5"]})",
         "numbers only"},
        {R"({"cmd":"move","moves":4453,"first":"computer","strength":3,"random":[0.5]})",
         "must be a string"},
        {R"({"cmd":"move","moves":"4493","first":"computer","strength":3,"random":[0.5]})",
         "not a column digit"},
        {R"({"cmd":"move","moves":"445","first":"computer","strength":3,"random":[0.5]})",
         "the human is to move"},
        {R"({"cmd":"move","moves":"1111111","first":"human","strength":3,"random":[0.5]})",
         "full column"},
        {R"({"cmd":"move","moves":"4","first":"human","strength":3,"random":[0.5],"trace":1})",
         "true or false"},
        {R"({"cmd":"play","moves":"4","first":"human","strength":3,"random":[0.5]})",
         "unknown member \"moves\""},
        {R"({"cmd":"undo"})", "unknown cmd"},
        {R"({"cmd":"move","moves":"4453","first":"computer","strength":3,"random":[0.25]} {})",
         "after the value"},
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
        if (lines[i].errorPart == nullptr) {
            EXPECT_EQ(error, "") << "line " << i + 1 << ": " << lines[i].request;
        } else {
            EXPECT_NE(error.find(lines[i].errorPart), std::string::npos)
                << "line " << i + 1 << ": " << lines[i].request << "\n  answer: " << answers[i];
        }
    }
    // The same request answers the same, before and after the bad lines.
    EXPECT_EQ(answers.front(), answers[answers.size() - 2]);
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
    EXPECT_NE(ErrorOf(answers[0]).find("unknown cmd"), std::string::npos) << answers[0];
}

// Anything beyond strict JSON is refused as such, on one line, and the run goes on: the
// library reading the lines must not be more lenient than the tool has always been.
TEST(EngineBatch, RefusesAnythingBeyondStrictJson) {
    const std::string good = MoveRequest("3", "[0.5]");
    const std::string cases[] = {
        "{",
        "[1,]",
        "[1 2]",
        R"({"a" 1})",
        "{a:1}",
        "{'a':1}",
        "01",
        "+1",
        ".5",
        "1.",
        "1e",
        "0x10",
        "NaN",
        "tru",
        R"("a)"
        "\t"
        R"(b")",             // a raw control character in a string
        R"("\x41")",         // unknown escape
        R"("\u12")",         // short \u escape
        R"("\ud800")",       // high surrogate alone
        R"("\udc00")",       // low surrogate alone
        "\"\xC3\"",          // cut UTF-8 sequence
        "\"\xC0\xAF\"",      // overlong form
        "\"\xED\xA0\x80\"",  // encoded surrogate
        "// comment",
        good + " {}",  // text after the value
        good + ",",
        good + "x",
        std::string(1, '\0') + good,  // NUL bytes before, inside and after the request
        good.substr(0, 10) + std::string(1, '\0') + good.substr(10),
        good + std::string(1, '\0'),
        "\xEF\xBB\xBF" + good,  // a byte order mark
        "\xFF" + good,
        MoveRequest("1e999", "[0.5]"),          // too large for a double
        MoveRequest("3", "[1e-400]"),           // too small: a double would read it as 0
        R"({"cmd":"move",)" + good.substr(1),   // a repeated member name
        R"({"cmd":"move","x":{"a":1,"a":2}})",  // a repeated member name inside
        R"({"cmd":"move","\u0063md":"move"})",  // the same name, escaped
        std::string(65, '[') + std::string(65, ']'),
        R"({"cmd":"move","x":)" + std::string(65, '[') + std::string(65, ']') + "}",
        std::string(100000, '['),  // deep nesting is refused without going deep
        std::string(100000, '[') + std::string(100000, ']'),
    };
    for (const std::string& line : cases) {
        SCOPED_TRACE(line.substr(0, 80));
        const BatchAnswer answer = AnswerOf(line);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(ErrorOf(answer.answer).rfind("invalid JSON", 0), 0u) << answer.answer;
    }
}

// A refused line names the byte where the grammar broke and why: in the library's words, but
// in the tool's own for a blank line and for text after the request, and never quoting bytes.
TEST(EngineBatch, NamesWhereAndWhyAJsonLineBroke) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "invalid JSON at byte 0: a value is missing"},
        {"   ", "invalid JSON at byte 3: a value is missing"},
        {R"({"a":1} x)", "invalid JSON at byte 8: unexpected text after the value"},
        {R"({"a":1}{})", "invalid JSON at byte 7: unexpected text after the value"},
        {"{}" + std::string(1, '\0') + "x",
         "invalid JSON at byte 2: unexpected text after the value"},
        {"[1, 2, x]", "invalid JSON at byte 7: invalid literal"},
        {"\"\xFF\"", "invalid JSON at byte 1: invalid string: ill-formed UTF-8 byte"},
        {"[1e999]", "invalid JSON at byte 5: number out of range"},
        {"[1e-400]", "invalid JSON: number out of range"},
        {"\xEF\xBB\xBF{}", "invalid JSON at byte 0: unexpected byte order mark"},
        {R"({"cmd":"move","cmd":"play"})", "invalid JSON: duplicate member name \"cmd\""},
        {std::string(65, '['), "invalid JSON: nested more than 64 deep"},
    };
    for (const auto& [line, message] : cases) {
        EXPECT_EQ(ErrorOf(AnswerOf(line).answer), message) << line;
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

// The strength is a whole number written as one; a draw may be any number in [0, 1).
TEST(EngineBatch, StrengthMustBeWrittenAsAWholeNumber) {
    const std::pair<std::string, const char*> cases[] = {
        {"3.0", "strength 3.0 is not 1, 2, 3 or 4"},
        {"1e0", "strength 1.0 is not 1, 2, 3 or 4"},
        {"-0", "strength 0 is not 1, 2, 3 or 4"},
        {"5", "strength 5 is not 1, 2, 3 or 4"},
        {"18446744073709551617", "strength 1.8446744073709552e+19 is not 1, 2, 3 or 4"},
    };
    for (const auto& [strength, message] : cases) {
        const BatchAnswer answer = AnswerOf(MoveRequest(strength, "[0.5]"));
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(ErrorOf(answer.answer), message) << strength;
    }
    EXPECT_EQ(ErrorOf(AnswerOf(MoveRequest("3", "[1e0]")).answer),
              "random draw \"1.0\" is not in [0, 1)");
    EXPECT_EQ(ErrorOf(AnswerOf(MoveRequest("4", "[0]")).answer), "");
}

}  // namespace
}  // namespace tessora::engine
