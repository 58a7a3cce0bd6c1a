#include "app/GameSession.h"

#include <QApplication>

#include "ai/ComputerPlayer.h"
#include "core/Game.h"
#include "platform/qt/QtWaveOutput.h"
#include "platform/qt/TimeOfDayClock.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/accessibility/KeyboardPlaySwitch.h"
#include "ui/artwork/Artwork.h"
#include "ui/instructions/InstructionsWindow.h"

namespace tessora {

struct GameSession::OwnParts {
    QtWaveOutput waveOutput;
    ClockRandom random;
    TimeOfDayClock clock;
};

GameSession::GameSession(StartOptions options) : options_(options) {}

GameSession::GameSession(WaveOutput& waveOutput, RandomSource& random, Clock& clock,
                         StartOptions options)
    : options_(options), waveOutput_(&waveOutput), random_(&random), clock_(&clock) {}

GameSession::~GameSession() = default;

void GameSession::ShowMainWindow() {
    if (!window_) Build();
    window_->show();
}

void GameSession::Build() {
    if (waveOutput_ == nullptr) {
        // The sound device is opened only now that the program goes on to play.
        own_ = std::make_unique<OwnParts>();
        waveOutput_ = &own_->waveOutput;
        random_ = &own_->random;
        clock_ = &own_->clock;
    }
    QApplication::setWindowIcon(artwork::AppIconSet());

    computer_ = std::make_unique<ComputerPlayer>(*random_);
    window_ = std::make_unique<frmHaupt>(*waveOutput_, *clock_);
    window_->SetWindowed(options_.windowed, options_.zoomToScreen);
    game_ = std::make_unique<Game>(*window_, *computer_);
    window_->Load(*game_);
    frmHaupt* mainWindow = window_.get();
    const auto playSound = [mainWindow](Sound sound) { mainWindow->PlaySound(sound); };
    instructions_ =
        std::make_unique<frmAnleitung>(playSound, mainWindow->ButtonPressed(), mainWindow);
    about_ = std::make_unique<frmCopyright>(playSound, mainWindow);

    QObject::connect(mainWindow, &frmHaupt::showInstructions, instructions_.get(),
                     &frmAnleitung::show);
    frmCopyright* about = about_.get();
    QObject::connect(mainWindow, &frmHaupt::showCopyright, about, [about] {
        about->CentreOnScreen();
        about->show();
    });
    // The program ends (exit confirmed, or the main window closed): every window goes at once,
    // and the event loop ends as soon as a move still running has stopped, which it does
    // silently at its next step.
    frmAnleitung* instructions = instructions_.get();
    QObject::connect(mainWindow, &frmHaupt::exitConfirmed, mainWindow,
                     [mainWindow, instructions, about] {
                         instructions->hide();
                         about->hide();
                         mainWindow->hide();
                         QApplication::quit();
                     });

    const auto switchKeyboardPlay = [mainWindow, instructions](bool on) {
        mainWindow->SetKeyboardPlay(on);
        instructions->SetKeyboardPlay(on);
    };
    // Asked for on the command line, and on while an assistive technology is active.
    keyboardPlay_ = std::make_unique<KeyboardPlaySwitch>(options_.keyboardPlay, switchKeyboardPlay);
}

}  // namespace tessora
