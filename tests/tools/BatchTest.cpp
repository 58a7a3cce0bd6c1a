#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/JsonReader.h"

namespace tessora::engine {
namespace {

using test::Lines;
using test::RunTool;

std::string ErrorOf(const std::string& line) {
    JsonValue value;
    std::string error;
    if (!ParseJson(line, value, error)) return "(not JSON: " + error + ")";
    const JsonValue* message = value.find("error");
    return message == nullptr ? "" : message->text;
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

}  // namespace
}  // namespace tessora::engine
