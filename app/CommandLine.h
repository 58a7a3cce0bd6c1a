#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessora {

// The status of a program ended for a wrong command line, as Linux programs use it.
inline constexpr int kExitBadCommandLine = 2;

// What the command line asks for: start the game, or print a text and end.
struct CommandLineAnswer {
    bool startGame = true;
    int exitStatus = 0;
    QString text;  // for standard output when the status is 0, for standard error otherwise
    bool keyboardPlay = false;  // --tastatur: play with the keys 1 to 7, Tab, Space and Enter
};

// Reads the program's arguments, the program's name first. -h/--help and -v/--version answer
// with their text and status 0. An unknown option, an argument that is no option, or an option
// missing its value or given one it does not take answers with one German line naming it and
// status 2. Qt's own options (-platform, -style, -session, ...) are let through to
// QApplication.
CommandLineAnswer ReadCommandLine(const QStringList& arguments);

// Reads argv before any application object exists, so that --help needs no display. Prints the
// answer's text and gives the exit status when the program is to end at once.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace tessora
