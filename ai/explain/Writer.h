#pragma once

#include <initializer_list>
#include <string>

#include "ai/explain/Wording.h"
#include "core/Translatable.h"

namespace tessora::explain {

// Writes the explanation's texts: picks a wording's move or hint text, lets the translator map
// the German template to the language shown, then fills its %1, %2, ... with the numbers.
class Writer {
  public:
    Writer(bool hint, const TranslateFunction& translate) : hint_(hint), translate_(translate) {}

    bool hint() const { return hint_; }

    // Replaces out with the filled text (keeping out's storage).
    void Write(std::string& out, const Wording& wording, std::initializer_list<int> numbers) const;
    // The same for a text without the move and hint pair.
    void Write(std::string& out, const char* german, std::initializer_list<int> numbers) const;

  private:
    bool hint_;
    const TranslateFunction& translate_;
};

// Fills the placeholders %1..%9 of text with numbers (a placeholder without its number, and
// any other character, stays as it is).
void FillPlaceholders(std::string& out, std::string_view text, std::initializer_list<int> numbers);

}  // namespace tessora::explain
