#include "tools/engine/JsonInput.h"

#include <algorithm>
#include <vector>

#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

constexpr std::size_t kMaxDepth = 64;

std::string Invalid(std::size_t offset, std::string_view reason) {
    return "invalid JSON at byte " + std::to_string(offset) + ": " + std::string(reason);
}

// nlohmann's reason for refusing a text, without its prefix and without the text it read last
// (which may hold any bytes); the commonest reasons in the words this tool has always used.
std::string Reason(std::string message, const std::string& lastRead) {
    const std::string quoted = "; last read: '" + lastRead + "'";
    if (const std::size_t at = message.find(quoted); at != std::string::npos) {
        message.erase(at, quoted.size());
    }
    if (message.ends_with("; expected end of input")) return "unexpected text after the value";
    if (message.ends_with("unexpected end of input; expected '[', '{', or a literal")) {
        return "a value is missing";
    }
    if (message.find("number overflow") != std::string::npos) return "number out of range";
    const std::size_t detail = message.find(" - ");  // after "...syntax error while parsing X"
    return detail == std::string::npos ? message : message.substr(detail + 3);
}

// Reads a text without keeping it, for what nlohmann's parser leaves to its caller: how deep
// the text nests, repeated member names, and numbers too small for a double, which it reads
// as zero. Stops at the first fault and keeps the reason.
class StrictnessCheck final : public nlohmann::json_sax<Json> {
  public:
    const std::string& reason() const { return reason_; }

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t value, const string_t& text) override {
        // A zero read from a number written with a nonzero digit was too small for a double.
        const std::string_view significand =
            std::string_view(text).substr(0, text.find_first_of("eE"));
        return value != 0 || significand.find_first_of("123456789") == std::string_view::npos ||
               Refuse("invalid JSON: number out of range");
    }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return Open(); }
    bool start_array(std::size_t) override { return Open(); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        std::vector<std::string>& names = open_.back();
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            return Refuse("invalid JSON: duplicate member name " + Quote(name));
        }
        names.push_back(name);
        return true;
    }
    bool parse_error(std::size_t position, const std::string& lastRead,
                     const Json::exception& error) override {
        // position counts the bytes read, the one that broke the grammar included.
        return Refuse(Invalid(position > 0 ? position - 1 : 0, Reason(error.what(), lastRead)));
    }

  private:
    bool Open() {
        open_.emplace_back();
        return open_.size() <= kMaxDepth || Refuse("invalid JSON: nested more than 64 deep");
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
    bool Refuse(std::string reason) {
        reason_ = std::move(reason);
        return false;
    }

    // The objects and arrays the reader is inside, with the member names read so far in each.
    std::vector<std::vector<std::string>> open_;
    std::string reason_;
};

}  // namespace

bool ParseJsonLine(std::string_view text, Json& value, std::string& error) {
    // nlohmann skips a byte order mark at the start and takes a NUL byte for the end of the
    // text; neither is JSON.
    StrictnessCheck check;
    if (text.starts_with("\xEF\xBB\xBF")) {
        error = Invalid(0, "unexpected byte order mark");
    } else if (!Json::sax_parse(text, &check)) {
        error = check.reason();
    } else if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        error = Invalid(nul, "unexpected text after the value");
    } else {
        value = Json::parse(text, nullptr, false);
        return true;
    }
    return false;
}

}  // namespace tessora::engine
