#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace tessora::engine {

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
