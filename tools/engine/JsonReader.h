#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessora::engine {

struct JsonMember;

// One value of a parsed JSON text. Numbers keep their text as well, so a reader can tell
// 3 from 3.0 and demand a whole number where one is due.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;  // the string's contents, or the number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in the order written; names are unique

    // The member called name, or null when there is none.
    const JsonValue* find(std::string_view name) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Reads one JSON text (RFC 8259, nothing more): no comments, no trailing commas, no
// duplicate member names, no bytes after the value other than white space, nesting at most
// 64 deep. Returns false and a one-line reason (with the byte offset) when the text is not
// such a value.
bool ParseJson(std::string_view text, JsonValue& value, std::string& error);

}  // namespace tessora::engine
