#include <QApplication>

#include "app/CommandLine.h"
#include "app/GameSession.h"
#include "app/Hauptmodul.h"
#include "platform/Registry.h"
#include "platform/Version.h"

int main(int argc, char** argv) {
    if (const auto status = tessora::AnswerCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));

    // The start-up check ends the program before any window exists when the display is set to
    // a custom font size.
    tessora::GameSession session;
    session.AskForKeyboardPlay(
        tessora::ReadCommandLine(QCoreApplication::arguments()).keyboardPlay);
    const auto registry = tessora::MakeSystemRegistry();
    const auto version = tessora::MakeSystemVersionQuery();
    if (!tessora::HauptmodulMain(*registry, *version, tessora::StartupMessageBox(),
                                 [&session] { session.ShowMainWindow(); })) {
        return 0;
    }
    return QApplication::exec();
}
