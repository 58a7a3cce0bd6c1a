#include "app/GameSession.h"

#include <QApplication>
#include <QTimer>

#include "ai/ComputerPlayer.h"
#include "ai/explain/MoveExplainer.h"
#include "app/Zoom.h"
#include "core/Game.h"
#include "platform/qt/LoadedWaveOutput.h"
#include "platform/qt/TimeOfDayClock.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/accessibility/KeyboardPlaySwitch.h"
#include "ui/artwork/Artwork.h"
#include "ui/instructions/InstructionsWindow.h"

namespace tessora {

namespace {
// The computer player's choice, explained in the window as soon as it is made.
class ExplainingChooser final : public MoveChooser {
  public:
    ExplainingChooser(MoveExplainer& explainer, frmHaupt& window)
        : explainer_(explainer), window_(window) {}

    int16 ChooseColumn(GameState& state, YieldHook yield) override {
        const int16 code = explainer_.ChooseColumn(state, yield);
        window_.ShowExplanation(explainer_.lastMove());
        return code;
    }

  private:
    MoveExplainer& explainer_;
    frmHaupt& window_;
};
}  // namespace

struct GameSession::OwnParts {
    LoadedWaveOutput waveOutput{SoundModulePath()};
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
    // The game's icon, painted on a thread of its own while the main window was built.
    if (icon_.valid()) QApplication::setWindowIcon(artwork::AppIconSet(icon_.get()));
    window_->show();
    // The sound is made ready once the window is on the screen, before the player's first
    // click needs it (a sound asked for earlier loads it then).
    if (own_) {
        constexpr int kSoundAfterMilliseconds = 250;
        QTimer::singleShot(kSoundAfterMilliseconds, window_.get(),
                           [this] { own_->waveOutput.Load(); });
    }
}

frmAnleitung* GameSession::instructions() {
    if (!instructions_ && window_) {
        frmHaupt* mainWindow = window_.get();
        instructions_ = std::make_unique<frmAnleitung>(
            [mainWindow](Sound sound) { mainWindow->PlaySound(sound); },
            mainWindow->ButtonPressed(), mainWindow, mainWindow->zoom());
        instructions_->SetKeyboardPlay(keyboardPlayOn_);
    }
    return instructions_.get();
}

frmCopyright* GameSession::about() {
    if (!about_ && window_) {
        frmHaupt* mainWindow = window_.get();
        about_ = std::make_unique<frmCopyright>(
            [mainWindow](Sound sound) { mainWindow->PlaySound(sound); }, mainWindow, ShellOpener(),
            mainWindow->zoom());
    }
    return about_.get();
}

void GameSession::Build() {
    if (waveOutput_ == nullptr) {
        // The sound device is opened only now that the program goes on to play.
        own_ = std::make_unique<OwnParts>();
        waveOutput_ = &own_->waveOutput;
        random_ = &own_->random;
        clock_ = &own_->clock;
    }
    icon_ = std::async(std::launch::async, [] { return artwork::AppIconImages(); });

    computer_ = std::make_unique<ComputerPlayer>(*random_);
    window_ = std::make_unique<frmHaupt>(*waveOutput_, *clock_, ZoomForPrimaryScreen(options_));
    window_->SetWindowed(options_.windowed, options_.zoomToScreen);
    MoveChooser* chooser = computer_.get();
    if (options_.explain) {
        explainer_ = std::make_unique<MoveExplainer>(*computer_, hintRandom_);
        if (options_.language != Language::German) {
            explainer_->SetTranslator([](const char* context, const char* german) {
                return QCoreApplication::translate(context, german).toStdString();
            });
        }
        explainingChooser_ = std::make_unique<ExplainingChooser>(*explainer_, *window_);
        chooser = explainingChooser_.get();
        window_->SetExplaining();
    }
    game_ = std::make_unique<Game>(*window_, *chooser);
    window_->Load(*game_);
    frmHaupt* mainWindow = window_.get();

    // The instructions and about windows are made when they are first asked for.
    QObject::connect(mainWindow, &frmHaupt::showInstructions, mainWindow,
                     [this] { instructions()->show(); });
    QObject::connect(mainWindow, &frmHaupt::showCopyright, mainWindow, [this] {
        frmCopyright* window = about();
        window->CentreOnMainWindow();
        window->show();
    });
    // The program ends (exit confirmed, or the main window closed): every window goes at once,
    // and the event loop ends as soon as a move still running has stopped, which it does
    // silently at its next step.
    QObject::connect(mainWindow, &frmHaupt::exitConfirmed, mainWindow, [this] {
        if (instructions_) instructions_->hide();
        if (about_) about_->hide();
        window_->hide();
        QApplication::quit();
    });

    // A hint only while the game waits for the human's move; it changes nothing of the game.
    QObject::connect(mainWindow, &frmHaupt::hintRequested, mainWindow, [this] {
        if (!explainer_ || !game_->WaitsForHuman()) return;
        explainer_->Hint(game_->state());
        window_->ShowHint(explainer_->lastHint());
    });

    const auto switchKeyboardPlay = [this](bool on) {
        keyboardPlayOn_ = on;
        window_->SetKeyboardPlay(on);
        if (instructions_) instructions_->SetKeyboardPlay(on);
    };
    // Asked for on the command line, and on while an assistive technology is active.
    keyboardPlay_ = std::make_unique<KeyboardPlaySwitch>(options_.keyboardPlay, switchKeyboardPlay);
}

}  // namespace tessora
