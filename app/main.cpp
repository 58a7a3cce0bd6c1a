#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <memory>

#include "app/CommandLine.h"
#include "app/Hauptmodul.h"
#include "platform/Registry.h"
#include "platform/Version.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/artwork/Artwork.h"
#include "ui/instructions/InstructionsWindow.h"

namespace {
QIcon GameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(tessora::artwork::AppIcon(size)));
    }
    return icon;
}
}  // namespace

int main(int argc, char** argv) {
    if (const auto status = tessora::AnswerCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    QApplication::setWindowIcon(GameIcon());

    // Declared after the main window, so the two other windows go first.
    std::unique_ptr<tessora::frmHaupt> window;
    std::unique_ptr<tessora::frmAnleitung> instructions;
    std::unique_ptr<tessora::frmCopyright> about;
    const auto showMainWindow = [&] {
        if (!window) {
            window = std::make_unique<tessora::frmHaupt>();
            tessora::frmHaupt* mainWindow = window.get();
            const auto playSound = [mainWindow](std::string_view file) {
                mainWindow->PlaySound(file);
            };
            instructions = std::make_unique<tessora::frmAnleitung>(
                playSound, mainWindow->ButtonPressed(), mainWindow);
            about = std::make_unique<tessora::frmCopyright>(playSound, mainWindow);
            QObject::connect(mainWindow, &tessora::frmHaupt::showInstructions, instructions.get(),
                             &tessora::frmAnleitung::show);
            QObject::connect(mainWindow, &tessora::frmHaupt::showCopyright, about.get(), [&about] {
                about->CentreOnScreen();
                about->show();
            });
            // The player confirmed the exit question: the window goes at once, and the program
            // ends as soon as a move still running has unwound.
            QObject::connect(window.get(), &tessora::frmHaupt::exitConfirmed, &app, [&window] {
                window->hide();
                QApplication::quit();
            });
        }
        window->show();
    };

    // The start-up check ends the program before any window exists when the display is set to
    // a custom font size.
    const auto registry = tessora::MakeSystemRegistry();
    const auto version = tessora::MakeSystemVersionQuery();
    if (!tessora::HauptmodulMain(*registry, *version, tessora::StartupMessageBox(),
                                 showMainWindow)) {
        return 0;
    }
    return QApplication::exec();
}
