#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "tools/engine/Requests.h"

namespace tessora::engine {

// Reads one batch line, a JSON object in one of two forms:
//   {"cmd":"move","moves":"445","first":"human","strength":3,"random":[0.25],"trace":false}
//   (or "cmd":"explain" or "hint" with the same members)
//   {"cmd":"play","human":"4352","first":"human","strength":3,"random":[0.25,0.7]}
// Every member is required except "trace"; unknown members are refused. The JSON is read by
// nlohmann-json as it reads it (a repeated member name keeps its last value); a line that is
// no JSON gets nlohmann's message. Returns false and a one-line reason for anything else.
bool ParseRequestLine(std::string_view line, Request& out, std::string& error);

// The longest request line the batch reads; a longer one is refused.
constexpr std::size_t kLongestRequestLine = std::size_t{1} << 20;

// The batch's request lines from a stream, through a buffer of bounded size: a line longer
// than kLongestRequestLine bytes is never held whole, only skipped up to its line end.
class RequestLines {
  public:
    enum class Read { Line, TooLong, End };

    explicit RequestLines(std::istream& in);

    // The next line without its line end; the view lasts until the next call.
    Read Next(std::string_view& line);

  private:
    std::istream& in_;
    std::vector<char> buffer_;
};

}  // namespace tessora::engine
