#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace tessora::engine {

// A JSON value whose object members keep the order they were written or made in.
using Json = nlohmann::ordered_json;

// Reads one JSON text (RFC 8259, nothing more): no comments, no byte order mark, no duplicate
// member names, no bytes after the value other than white space, nesting at most 64 deep, every
// number within the range of a double. Returns false and a one-line reason (with the byte
// offset where the JSON grammar broke) when the text is not such a value; never throws.
bool ParseJsonLine(std::string_view text, Json& value, std::string& error);

}  // namespace tessora::engine
