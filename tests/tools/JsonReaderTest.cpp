#include <gtest/gtest.h>

#include <string>

#include "tools/engine/JsonReader.h"

namespace tessora::engine {
namespace {

using Kind = JsonValue::Kind;

TEST(JsonReader, ReadsARequestObjectWithItsMembersInOrder) {
    JsonValue value;
    std::string error;
    ASSERT_TRUE(ParseJson(R"( {"cmd":"move","moves":"4453","strength":3,"random":[0.25,1e-3]} )",
                          value, error))
        << error;
    ASSERT_EQ(value.kind, Kind::Object);
    ASSERT_EQ(value.members.size(), 4u);
    EXPECT_EQ(value.members[0].name, "cmd");
    EXPECT_EQ(value.find("moves")->text, "4453");
    EXPECT_EQ(value.find("strength")->number, 3.0);
    EXPECT_EQ(value.find("strength")->text, "3");
    const JsonValue* random = value.find("random");
    ASSERT_EQ(random->items.size(), 2u);
    EXPECT_EQ(random->items[0].number, 0.25);
    EXPECT_EQ(random->items[1].number, 0.001);
    EXPECT_EQ(value.find("absent"), nullptr);
}

TEST(JsonReader, DecodesEscapesAndKeepsUtf8) {
    JsonValue value;
    std::string error;
    ASSERT_TRUE(ParseJson(
        R"(["a\"b\\c\/\n\t", "\u00fc\ud83d\ude00", "Anfänger", true, false, null])", value, error))
        << error;
    ASSERT_EQ(value.items.size(), 6u);
    EXPECT_EQ(value.items[0].text, "a\"b\\c/\n\t");
    EXPECT_EQ(value.items[1].text, "\xC3\xBC\xF0\x9F\x98\x80");
    EXPECT_EQ(value.items[2].text, "Anf\xC3\xA4nger");
    EXPECT_EQ(value.items[3].kind, Kind::Bool);
    EXPECT_TRUE(value.items[3].boolean);
    EXPECT_FALSE(value.items[4].boolean);
    EXPECT_EQ(value.items[5].kind, Kind::Null);
}

TEST(JsonReader, ReadsNumbersByTheJsonGrammar) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"0", 0.0},     {"-0.5", -0.5}, {"0.951", 0.951},
                          {"12e2", 1200}, {"1E+2", 100},  {"25e-2", 0.25}};
    for (const Case& c : cases) {
        JsonValue value;
        std::string error;
        ASSERT_TRUE(ParseJson(c.text, value, error)) << c.text << ": " << error;
        EXPECT_EQ(value.kind, Kind::Number) << c.text;
        EXPECT_EQ(value.number, c.value) << c.text;
        EXPECT_EQ(value.text, c.text);
    }
}

TEST(JsonReader, RefusesAnythingBeyondStrictJson) {
    const std::string deep = std::string(65, '[') + std::string(65, ']');
    const std::string cases[] = {
        "",
        "   ",
        "{",
        "{\"a\":1,}",
        "[1,]",
        "[1 2]",
        "{\"a\" 1}",
        "{a:1}",
        "{'a':1}",
        "{\"a\":1,\"a\":2}",  // duplicate member
        "{\"a\":1} x",        // text after the value
        "{\"a\":1}{}",
        "01",
        "+1",
        ".5",
        "1.",
        "1e",
        "-",
        "0x10",
        "1e999",  // out of range for a double
        "NaN",
        "tru",
        "nul",
        "\"abc",
        "\"a\nb\"",  // raw control character
        "\"\\x41\"",
        "\"\\u12\"",
        "\"\\ud800\"",         // high surrogate alone
        "\"\\udc00\"",         // low surrogate alone
        "\"\\ud800\\u0041\"",  // high surrogate with a non-surrogate
        "\"\xC3\"",            // cut UTF-8 sequence
        "\"\xC0\xAF\"",        // overlong form
        "\"\xED\xA0\x80\"",    // encoded surrogate
        "\"\xFF\"",
        "// comment\n1",
        deep,
    };
    for (const std::string& text : cases) {
        JsonValue value;
        std::string error;
        EXPECT_FALSE(ParseJson(text, value, error)) << "accepted: " << text;
        EXPECT_EQ(error.find('\n'), std::string::npos) << "message not one line for " << text;
        EXPECT_EQ(error.rfind("invalid JSON at byte ", 0), 0u) << error;
    }
}

TEST(JsonReader, AcceptsNestingUpToItsLimit) {
    const std::string text = std::string(64, '[') + std::string(64, ']');
    JsonValue value;
    std::string error;
    EXPECT_TRUE(ParseJson(text, value, error)) << error;
}

TEST(JsonReader, NamesTheByteWhereReadingStopped) {
    JsonValue value;
    std::string error;
    ASSERT_FALSE(ParseJson("[1, 2, x]", value, error));
    EXPECT_EQ(error, "invalid JSON at byte 7: unexpected character");
}

}  // namespace
}  // namespace tessora::engine
