#pragma once

#include <functional>
#include <string>

// Marks a German text of the game's own tables for Qt's translation tools (lupdate finds it by
// this name), without making the plain C++ layers depend on Qt: the text stays what it is here,
// and the window translates it where it shows it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tessora {

// Gives the text to show for a German source text of the given translation context: the
// German itself unless the window plays in another language.
using TranslateFunction = std::function<std::string(const char* context, const char* german)>;

}  // namespace tessora
