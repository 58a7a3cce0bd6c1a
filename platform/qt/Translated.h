#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

namespace tessora {

// The text to show for a German text of the game's own tables (marked with QT_TRANSLATE_NOOP in
// `context`), in the language played: the German itself unless a translator is installed.
inline QString Translated(const char* context, std::string_view german) {
    const QByteArray source(german.data(), static_cast<qsizetype>(german.size()));
    return QCoreApplication::translate(context, source.constData());
}

}  // namespace tessora
