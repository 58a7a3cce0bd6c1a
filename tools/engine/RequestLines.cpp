#include "tools/engine/RequestLines.h"

#include <istream>
#include <limits>

namespace tessora::engine {

// One byte more for the end mark getline writes.
RequestLines::RequestLines(std::istream& in) : in_(in), buffer_(kLongestRequestLine + 1) {}

RequestLines::Read RequestLines::Next(std::string_view& line) {
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto extracted = static_cast<std::size_t>(in_.gcount());
    // getline fails alone when the buffer filled up before the line end came.
    if (in_.rdstate() == std::ios::failbit) {
        in_.clear();
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return Read::TooLong;
    }
    if (in_.fail()) return Read::End;
    // The count includes the line end, which the last line may lack.
    line = std::string_view(buffer_.data(), in_.eof() ? extracted : extracted - 1);
    return Read::Line;
}

}  // namespace tessora::engine
