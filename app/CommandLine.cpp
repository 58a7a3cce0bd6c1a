#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QLocale>
#include <array>
#include <cstdio>

namespace tessora {

namespace {

// Qt's own options, read by QApplication; the game lets them through untouched.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr std::array kQtOptions{
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},    QtOption{"session", true},
    QtOption{"display", true},         QtOption{"geometry", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"reverse", false},        QtOption{"widgetcount", false}};

// The help, in German for the translation tools (context "CommandLine").
const char* const kHelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Aufruf: tessora [Optionen]\n"
    "Vier in einer Reihe gegen den Computer.\n"
    "\n"
    "Optionen:\n"
    "  --zoom FAKTOR   vergrößert alle Fenster des Spiels um FAKTOR, eine Zahl\n"
    "                  von 1 bis 4 (auch Bruchzahlen wie 1.5 oder 2,25); mit max\n"
    "                  so weit, wie die Spielfläche auf den Bildschirm passt\n"
    "  --fenster       spielt in einem gewöhnlichen Fenster statt auf dem ganzen\n"
    "                  Bildschirm; das Fenster lässt sich beliebig vergrößern\n"
    "  --tastatur      Spiel mit der Tastatur: die Tasten 1 bis 7 werfen einen\n"
    "                  Stein in ihre Spalte, Tab erreicht auch das Spielfeld und\n"
    "                  die Schaltflächen, Leertaste oder Eingabetaste drückt eine\n"
    "                  Schaltfläche; mit einem Bildschirmleser ist es von selbst an\n"
    "  --erklaeren     zeigt neben der Spielfläche, warum der Computer seine\n"
    "                  Spalte gewählt hat, und gibt mit \"Tipp\" (oder der Taste T)\n"
    "                  einen Rat, welche Spalte er an Ihrer Stelle spielen würde\n"
    "  --sprache SPRACHE\n"
    "                  spielt in SPRACHE: de (Deutsch, wie ohne die Option), en\n"
    "                  (Englisch) oder auto (die Sprache der Spracheinstellung:\n"
    "                  Englisch für eine englische, sonst Deutsch)\n"
    "  -h, --help      zeigt diese Hilfe und beendet das Programm\n"
    "  -v, --version   zeigt die Versionsnummer und beendet das Programm\n"
    "\n"
    "Ohne Optionen startet das Spiel in einem Fenster, das den ganzen Bildschirm\n"
    "füllt, mit der Spielfläche von 640 x 480 Bildpunkten in der Mitte. Die Taste\n"
    "S schaltet den Ton, die Taste A das Fallen der Steine ein und aus; die\n"
    "Optionsfelder nehmen wie immer Tab, die Pfeiltasten und die Leertaste. Alle\n"
    "anderen Tasten tun ohne --tastatur nichts. Die üblichen Optionen von Qt (etwa\n"
    "-platform xcb) werden an Qt weitergegeben.\n");

// The one line that refuses a command line, in `language`; its translation is loaded only now.
CommandLineAnswer Refuse(Language language, const char* german, const QString& what) {
    const QString line = GameTranslation(language).Text("CommandLine", german).arg(what);
    return {false, kExitBadCommandLine, QStringLiteral("tessora: ") + line + u'\n', {}};
}

// The refusals' words, in German for the translation tools (context "CommandLine").
const char* const kUnknownOption = QT_TRANSLATE_NOOP("CommandLine", "Unbekannte Option: %1");
const char* const kTakesNoValue =
    QT_TRANSLATE_NOOP("CommandLine", "Die Option %1 nimmt keinen Wert");
const char* const kNeedsValue = QT_TRANSLATE_NOOP("CommandLine", "Der Option %1 fehlt ein Wert");
const char* const kUnreadable = QT_TRANSLATE_NOOP("CommandLine", "Unlesbare Befehlszeile: %1");
const char* const kUnexpected = QT_TRANSLATE_NOOP("CommandLine", "Unerwartetes Argument: %1");
const char* const kBadZoom = QT_TRANSLATE_NOOP(
    "CommandLine", "Ungültiger Faktor für --zoom: %1 (erlaubt sind Zahlen von 1 bis 4 und max)");
const char* const kBadLanguage = QT_TRANSLATE_NOOP(
    "CommandLine", "Ungültige Sprache für --sprache: %1 (erlaubt sind de, en und auto)");

// The game's own options that take a value.
constexpr const char* kZoomOption = "zoom";
constexpr const char* kLanguageOption = "sprache";

bool TakesValue(const QString& name) {
    if (name == QLatin1String(kZoomOption) || name == QLatin1String(kLanguageOption)) return true;
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name)) return option.takesValue;
    }
    return false;
}

// The name an option argument gives, without its dashes and value ("--style=x" gives "style").
QString OptionName(const QString& argument) {
    qsizetype start = 0;
    while (start < argument.size() && argument[start] == u'-')
        ++start;
    return argument.mid(start).section(u'=', 0, 0);
}

// The options among the arguments, as typed, up to a "--" that ends them.
QStringList OptionArguments(const QStringList& arguments) {
    QStringList options;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--")) break;
        if (argument.size() > 1 && argument.startsWith(u'-')) options.append(argument);
    }
    return options;
}

// The refusal of a command line the parser refused.
CommandLineAnswer RefuseUnparsed(const QCommandLineParser& parser, const QStringList& arguments,
                                 Language language) {
    const auto say = [language](const char* german, const QString& what) {
        return Refuse(language, german, what);
    };
    const QStringList options = OptionArguments(arguments);
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        for (const QString& option : options) {
            if (OptionName(option) == name) {
                return say(kUnknownOption, option.section(u'=', 0, 0));
            }
        }
        return say(kUnknownOption, QStringLiteral("--") + name);
    }
    // Otherwise a flag was given a value, or the option that needs one came last.
    for (const QString& option : options) {
        if (option.contains(u'=') && !TakesValue(OptionName(option))) {
            return say(kTakesNoValue, option);
        }
    }
    if (!options.isEmpty() && options.constLast() == arguments.constLast()) {
        return say(kNeedsValue, options.constLast());
    }
    return say(kUnreadable, arguments.mid(1).join(u' '));
}

// The factor of --zoom: "max", or a number from 1 to 4 with a decimal point or comma.
bool ReadZoom(const QString& value, StartOptions& options) {
    if (value.compare(QStringLiteral("max"), Qt::CaseInsensitive) == 0) {
        options.zoomToScreen = true;
        return true;
    }
    bool number = false;
    const double zoom = QString(value).replace(u',', u'.').toDouble(&number);
    // A NaN fails both comparisons and is refused with the rest.
    if (!number || !(zoom >= kSmallestZoom && zoom <= kLargestZoom)) return false;
    options.zoom = zoom;
    return true;
}

}  // namespace

CommandLineAnswer ReadCommandLine(const QStringList& arguments, const QStringList& uiLanguages) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"); "-h" and "--help" read alike.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption zoom(QString::fromLatin1(kZoomOption), QString(),
                                  QStringLiteral("FAKTOR"));
    const QCommandLineOption window(QStringLiteral("fenster"));
    const QCommandLineOption keyboardPlay(QStringLiteral("tastatur"));
    const QCommandLineOption explain(QStringLiteral("erklaeren"));
    const QCommandLineOption language(QString::fromLatin1(kLanguageOption), QString(),
                                      QStringLiteral("SPRACHE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoom);
    parser.addOption(window);
    parser.addOption(keyboardPlay);
    parser.addOption(explain);
    parser.addOption(language);
    for (const QtOption& option : kQtOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.name), QString(),
                               option.takesValue ? QStringLiteral("value") : QString()));
    }

    // The game's language speaks the refusals: the one asked for, or else German. The help is no
    // part of the game and speaks the user's own.
    const bool parsed = parser.parse(arguments);
    std::optional<Language> chosen = Language::German;
    if (parsed && parser.isSet(language))
        chosen = ReadLanguage(parser.value(language), uiLanguages);
    const Language refusals = chosen.value_or(Language::German);
    if (!parsed) return RefuseUnparsed(parser, arguments, refusals);
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(refusals, kUnexpected, parser.positionalArguments().constFirst());
    }
    if (parser.isSet(help)) {
        return {false,
                0,
                GameTranslation(LanguageOfLocale(uiLanguages)).Text("CommandLine", kHelpText),
                {}};
    }
    if (parser.isSet(version)) {
        return {false, 0, QStringLiteral("tessora " TESSORA_VERSION "\n"), {}};
    }
    CommandLineAnswer answer;
    answer.options.windowed = parser.isSet(window);
    answer.options.keyboardPlay = parser.isSet(keyboardPlay);
    answer.options.explain = parser.isSet(explain);
    if (!chosen) {
        return Refuse(refusals, kBadLanguage, parser.value(language));
    }
    answer.options.language = *chosen;
    if (parser.isSet(zoom) && !ReadZoom(parser.value(zoom), answer.options)) {
        return Refuse(refusals, kBadZoom, parser.value(zoom));
    }
    return answer;
}

std::optional<int> AnswerCommandLine(int argc, char** argv, StartOptions& options) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineAnswer answer = ReadCommandLine(arguments, QLocale::system().uiLanguages());
    if (answer.startGame) {
        options = answer.options;
        return std::nullopt;
    }
    std::fputs(answer.text.toUtf8().constData(), answer.exitStatus == 0 ? stdout : stderr);
    return answer.exitStatus;
}

}  // namespace tessora
