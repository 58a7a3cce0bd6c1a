#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

namespace tessora {

// The languages the game speaks. German is the game; English comes on request.
enum class Language { German, English };

// The language of a locale, given as Qt reads its languages (QLocale::uiLanguages(), which on
// Linux come from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the most wanted first): English when
// the first is English, German for every other.
Language LanguageOfLocale(const QStringList& uiLanguages);
// The user's own locale's language.
Language LanguageOfUsersLocale();

// --sprache's value: "de", "en", or "auto" for the locale's language (whose languages are
// given); none for any other value.
std::optional<Language> ReadLanguage(const QString& value, const QStringList& uiLanguages);

// The game's texts in a language: its translations are compiled into the program. German needs
// none; every text of the game's tables is German already.
class GameTranslation {
  public:
    explicit GameTranslation(Language language);

    Language language() const { return language_; }
    // The text to show for the German source text of a translation context.
    QString Text(const char* context, const char* german) const;
    // Makes the application's own translation (QCoreApplication::translate, tr) this language's.
    void Install();

  private:
    Language language_;
    QTranslator translator_;
};

}  // namespace tessora
