#include "app/Language.h"

#include <QCoreApplication>
#include <QLocale>

namespace tessora {

namespace {
// The English texts, compiled from the project's translation file into the program's resources.
constexpr const char* kEnglishTranslation = ":/i18n/tessora_en.qm";
}  // namespace

Language LanguageOfLocale(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) return Language::German;
    const QString first = uiLanguages.constFirst();
    return first == QLatin1String("en") || first.startsWith(QLatin1String("en-")) ||
                   first.startsWith(QLatin1String("en_"))
               ? Language::English
               : Language::German;
}

Language LanguageOfUsersLocale() {
    return LanguageOfLocale(QLocale::system().uiLanguages());
}

std::optional<Language> ReadLanguage(const QString& value, const QStringList& uiLanguages) {
    if (value == QLatin1String("de")) return Language::German;
    if (value == QLatin1String("en")) return Language::English;
    if (value == QLatin1String("auto")) return LanguageOfLocale(uiLanguages);
    return std::nullopt;
}

GameTranslation::GameTranslation(Language language) : language_(language) {
    if (language_ == Language::English &&
        !translator_.load(QString::fromLatin1(kEnglishTranslation))) {
        // Without its translation the game stays German rather than half translated.
        language_ = Language::German;
    }
}

QString GameTranslation::Text(const char* context, const char* german) const {
    if (language_ == Language::German) return QString::fromUtf8(german);
    const QString translated = translator_.translate(context, german);
    return translated.isEmpty() ? QString::fromUtf8(german) : translated;
}

void GameTranslation::Install() {
    if (language_ != Language::German) QCoreApplication::installTranslator(&translator_);
}

}  // namespace tessora
