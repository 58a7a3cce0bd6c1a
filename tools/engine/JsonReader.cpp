#include "tools/engine/JsonReader.h"

#include <charconv>
#include <cstdint>

namespace tessora::engine {

const JsonValue* JsonValue::find(std::string_view name) const {
    for (const JsonMember& member : members) {
        if (member.name == name) return &member.value;
    }
    return nullptr;
}

namespace {

constexpr int kMaxDepth = 64;

// A recursive-descent reader over the text; every method returns false after setting error.
class Reader {
  public:
    Reader(std::string_view text, std::string& error) : text_(text), error_(error) {}

    bool ReadDocument(JsonValue& value) {
        SkipSpace();
        if (!ReadValue(value, 0)) return false;
        SkipSpace();
        if (pos_ != text_.size()) return Fail("unexpected text after the value");
        return true;
    }

  private:
    bool Fail(std::string_view what) {
        error_ = "invalid JSON at byte " + std::to_string(pos_) + ": " + std::string(what);
        return false;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }

    bool ReadValue(JsonValue& value, int depth) {
        if (AtEnd()) return Fail("a value is missing");
        switch (Peek()) {
            case '{':
                return ReadObject(value, depth + 1);
            case '[':
                return ReadArray(value, depth + 1);
            case '"':
                value.kind = JsonValue::Kind::String;
                return ReadString(value.text);
            case 't':
                return ReadWord("true", value, JsonValue::Kind::Bool, true);
            case 'f':
                return ReadWord("false", value, JsonValue::Kind::Bool, false);
            case 'n':
                return ReadWord("null", value, JsonValue::Kind::Null, false);
            default:
                return ReadNumber(value);
        }
    }

    bool ReadWord(std::string_view word, JsonValue& value, JsonValue::Kind kind, bool boolean) {
        if (text_.substr(pos_, word.size()) != word) return Fail("unknown word");
        pos_ += word.size();
        value.kind = kind;
        value.boolean = boolean;
        return true;
    }

    bool ReadObject(JsonValue& value, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        value.kind = JsonValue::Kind::Object;
        return ReadItems('}', "object", [&] {
            if (AtEnd() || Peek() != '"') return Fail("a member name in quotes is expected");
            JsonMember member;
            if (!ReadString(member.name)) return false;
            if (value.find(member.name) != nullptr) return Fail("duplicate member name");
            SkipSpace();
            if (AtEnd() || Peek() != ':') return Fail("':' is expected");
            ++pos_;
            SkipSpace();
            if (!ReadValue(member.value, depth)) return false;
            value.members.push_back(std::move(member));
            return true;
        });
    }

    bool ReadArray(JsonValue& value, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        value.kind = JsonValue::Kind::Array;
        return ReadItems(']', "array", [&] {
            JsonValue item;
            if (!ReadValue(item, depth)) return false;
            value.items.push_back(std::move(item));
            return true;
        });
    }

    // From the opening bracket to the closing one: readItem() for each item (white space
    // before it skipped), the items separated by commas; what names the list in messages.
    template <typename ReadItem>
    bool ReadItems(char close, std::string_view what, ReadItem readItem) {
        ++pos_;  // the opening bracket
        SkipSpace();
        if (!AtEnd() && Peek() == close) {
            ++pos_;
            return true;
        }
        while (true) {
            SkipSpace();
            if (!readItem()) return false;
            SkipSpace();
            if (AtEnd()) return Fail("the " + std::string(what) + " is not closed");
            if (Peek() == close) {
                ++pos_;
                return true;
            }
            if (Peek() != ',') return Fail(std::string("',' or '") + close + "' is expected");
            ++pos_;
        }
    }

    // Number grammar: -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
    bool ReadNumber(JsonValue& value) {
        const std::size_t start = pos_;
        if (!AtEnd() && Peek() == '-') ++pos_;
        if (AtEnd() || !IsDigit(Peek())) return Fail("unexpected character");
        if (Peek() == '0') {
            ++pos_;
        } else {
            SkipDigits();
        }
        if (!AtEnd() && Peek() == '.') {
            ++pos_;
            if (AtEnd() || !IsDigit(Peek())) return Fail("digits must follow the decimal point");
            SkipDigits();
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            ++pos_;
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++pos_;
            if (AtEnd() || !IsDigit(Peek())) return Fail("digits must follow the exponent");
            SkipDigits();
        }
        value.kind = JsonValue::Kind::Number;
        value.text = std::string(text_.substr(start, pos_ - start));
        const char* first = value.text.data();
        const char* last = first + value.text.size();
        const auto [end, code] = std::from_chars(first, last, value.number);
        if (code != std::errc{} || end != last) {
            pos_ = start;
            return Fail("number out of range");
        }
        return true;
    }

    static bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
    void SkipDigits() {
        while (!AtEnd() && IsDigit(Peek()))
            ++pos_;
    }

    bool ReadString(std::string& out) {
        ++pos_;  // opening quote
        out.clear();
        while (true) {
            if (AtEnd()) return Fail("the string is not closed");
            const auto ch = static_cast<unsigned char>(Peek());
            if (ch == '"') {
                ++pos_;
                return true;
            }
            if (ch < 0x20) return Fail("control character in a string");
            if (ch == '\\') {
                if (!ReadEscape(out)) return false;
            } else if (ch < 0x80) {
                out.push_back(static_cast<char>(ch));
                ++pos_;
            } else if (!CopyUtf8Sequence(out)) {
                return false;
            }
        }
    }

    bool ReadEscape(std::string& out) {
        // The one-letter escapes and the characters they stand for, in the same order.
        constexpr std::string_view kEscapeLetters = "\"\\/bfnrt";
        constexpr std::string_view kEscapedCharacters = "\"\\/\b\f\n\r\t";
        ++pos_;  // backslash
        if (AtEnd()) return Fail("the string is not closed");
        const char ch = Peek();
        ++pos_;
        if (ch == 'u') return ReadUnicodeEscape(out);
        const std::size_t letter = kEscapeLetters.find(ch);
        if (letter == std::string_view::npos) return Fail("unknown escape");
        out.push_back(kEscapedCharacters[letter]);
        return true;
    }

    bool ReadHex4(std::uint32_t& code) {
        if (text_.size() - pos_ < 4) return Fail("four hex digits are expected after \\u");
        code = 0;
        for (int k = 0; k < 4; ++k) {
            const char ch = text_[pos_++];
            code <<= 4;
            if (ch >= '0' && ch <= '9') {
                code |= static_cast<std::uint32_t>(ch - '0');
            } else if (ch >= 'a' && ch <= 'f') {
                code |= static_cast<std::uint32_t>(ch - 'a' + 10);
            } else if (ch >= 'A' && ch <= 'F') {
                code |= static_cast<std::uint32_t>(ch - 'A' + 10);
            } else {
                return Fail("four hex digits are expected after \\u");
            }
        }
        return true;
    }

    bool ReadUnicodeEscape(std::string& out) {
        std::uint32_t code = 0;
        if (!ReadHex4(code)) return false;
        if (code >= 0xDC00 && code <= 0xDFFF) return Fail("lone low surrogate");
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (text_.substr(pos_, 2) != "\\u") return Fail("high surrogate without its pair");
            pos_ += 2;
            std::uint32_t low = 0;
            if (!ReadHex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fail("high surrogate without its pair");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    // Copies one well-formed UTF-8 sequence (no overlong forms, no surrogates, at most
    // U+10FFFF) starting at a byte >= 0x80.
    bool CopyUtf8Sequence(std::string& out) {
        const auto lead = static_cast<unsigned char>(Peek());
        int length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return Fail("invalid UTF-8");
        }
        if (text_.size() - pos_ < static_cast<std::size_t>(length)) return Fail("invalid UTF-8");
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text_[pos_ + k]);
            if ((next & 0xC0) != 0x80) return Fail("invalid UTF-8");
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return Fail("invalid UTF-8");
        }
        out.append(text_.substr(pos_, static_cast<std::size_t>(length)));
        pos_ += static_cast<std::size_t>(length);
        return true;
    }

    std::string_view text_;
    std::string& error_;
    std::size_t pos_ = 0;
};

}  // namespace

bool ParseJson(std::string_view text, JsonValue& value, std::string& error) {
    value = JsonValue{};
    Reader reader(text, error);
    return reader.ReadDocument(value);
}

}  // namespace tessora::engine
