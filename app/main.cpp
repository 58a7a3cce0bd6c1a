#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/GameSession.h"
#include "app/Startup.h"
#include "app/Zoom.h"
#include "platform/Registry.h"
#include "platform/Version.h"

int main(int argc, char** argv) {
    tessora::NameTheGameForTheSoundServer();
    tessora::StartOptions options;
    if (const auto status = tessora::AnswerCommandLine(argc, argv, options)) return *status;
    tessora::GameTranslation translation(options.language);
    const auto application = tessora::StartApplication(argc, argv, translation);

    // The start-up check ends the program before any window exists when the display is set to
    // a custom font size.
    tessora::GameSession session(options);
    const auto registry = tessora::MakeSystemRegistry();
    const auto version = tessora::MakeSystemVersionQuery();
    if (!tessora::HauptmodulMain(*registry, *version,
                                 tessora::StartupMessageBox(tessora::ZoomForPrimaryScreen(options)),
                                 [&session] { session.ShowMainWindow(); })) {
        return 0;
    }
    return QApplication::exec();
}
