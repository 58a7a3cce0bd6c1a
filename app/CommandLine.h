#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/Language.h"

namespace tessora {

// The status of a program ended for a wrong command line, as Linux programs use it.
inline constexpr int kExitBadCommandLine = 2;

// How the game is to be shown and played. Without options: the specified game, full screen, at
// factor 1, played with the mouse.
struct StartOptions {
    // --zoom: every window of the game enlarged by this factor (1 to 4)...
    double zoom = 1;
    // ...or by the largest factor up to 4 at which the play area fits the screen (--zoom max).
    bool zoomToScreen = false;
    // --fenster: the play area in an ordinary window instead of the whole screen.
    bool windowed = false;
    // --tastatur: play with the keys 1 to 7, Tab, Space and Enter (also on while an assistive
    // technology is active).
    bool keyboardPlay = false;
    // --erklaeren: a panel beside the play area says why the computer chose its column, and
    // offers a hint.
    bool explain = false;
    // --sprache: the language of every text of the game; German without it.
    Language language = Language::German;
};

// The factors --zoom takes.
inline constexpr double kSmallestZoom = 1;
inline constexpr double kLargestZoom = 4;

// What the command line asks for: start the game with its options, or print a text and end.
struct CommandLineAnswer {
    bool startGame = true;
    int exitStatus = 0;
    QString text;  // for standard output when the status is 0, for standard error otherwise
    StartOptions options;
};

// Reads the program's arguments, the program's name first; --sprache auto takes the language of
// the locale whose languages are uiLanguages (see LanguageOfLocale). -h/--help answers with its
// text in the locale's language, -v/--version with the version, and status 0. An unknown
// option, an argument that is no option, an option missing its value or given one it does not
// take, a --sprache other than de, en and auto, or a --zoom factor outside 1 to 4 that is not
// "max", answers with one line naming it, in the language asked for (German unless --sprache
// names another), and status 2. Qt's own options (-platform, -style, -session, ...) are let
// through to QApplication.
CommandLineAnswer ReadCommandLine(const QStringList& arguments, const QStringList& uiLanguages);

// Reads argv before any application object exists, so that --help needs no display and a
// refused command line opens no window. Prints the answer's text and gives the exit status
// when the program is to end at once; otherwise fills options.
std::optional<int> AnswerCommandLine(int argc, char** argv, StartOptions& options);

}  // namespace tessora
