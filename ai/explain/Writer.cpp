#include "ai/explain/Writer.h"

#include <charconv>

namespace tessora::explain {

void FillPlaceholders(std::string& out, std::string_view text, std::initializer_list<int> numbers) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool placeholder = ch == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                                 text[i + 1] <= '9' &&
                                 static_cast<std::size_t>(text[i + 1] - '1') < numbers.size();
        if (!placeholder) {
            out += ch;
            continue;
        }
        const int number = numbers.begin()[text[i + 1] - '1'];
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, number);
        out.append(digits, written.ptr);
        ++i;
    }
}

void Writer::Write(std::string& out, const Wording& wording,
                   std::initializer_list<int> numbers) const {
    Write(out, hint_ ? wording.hint : wording.move, numbers);
}

void Writer::Write(std::string& out, const char* german, std::initializer_list<int> numbers) const {
    if (!translate_) {
        FillPlaceholders(out, german, numbers);
        return;
    }
    const std::string shown = translate_(kTextContext, german);
    FillPlaceholders(out, shown, numbers);
}

}  // namespace tessora::explain
