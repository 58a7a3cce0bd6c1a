#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "ai/ComputerPlayer.h"
#include "core/Game.h"
#include "core/Shell.h"
#include "platform/Random.h"
#include "platform/WaveOutput.h"
#include "ui/DrawnButton.h"
#include "ui/GamePictures.h"
#include "ui/SoundPlayer.h"
#include "ui/artwork/Artwork.h"

class QLabel;

namespace tessora {

class BoardView;
class OptionsPanel;
class PictureBox;

// The main window: the black full-screen window with the 640 x 480 play area, the board, the
// drawn buttons, the options panel and the status line. It is the game's shell.
class frmHaupt : public QWidget, public Shell {
    Q_OBJECT

  public:
    // waveOutput: where sounds go; null plays through the system's sound output.
    // A null wave output or random source means the system's: the sound device and the
    // clock-seeded generator. Tests pass their own to hear nothing and to replay games.
    explicit frmHaupt(WaveOutput* waveOutput = nullptr, RandomSource* random = nullptr,
                      QWidget* parent = nullptr);
    ~frmHaupt() override;

    Game& game() { return game_; }
    // Shared by every drawn button of every window of the game.
    ButtonPressedFlag& ButtonPressed() { return buttonPressed_; }

    // Shell.
    void DoEvents() override;
    void WaitForEvents(int maxMilliseconds) override;
    double Timer() override;
    void SetStatusText(std::string_view text) override;
    std::string StatusText() const override;
    void SetStatusVisible(bool visible) override;
    void SetMousePointer(Pointer pointer) override;
    int MessageBox(std::string_view text, std::string_view title, int style) override;
    void PlaySound(std::string_view waveFile) override;
    PixelView Surface(Picture picture) override;
    void RefreshBoard() override;
    void RestoreBoardPicture() override;
    void RefreshWindow() override;
    void SetFallTimerEnabled(bool enabled) override;
    bool FallTimerEnabled() const override;
    bool ComputerBegins() const override;

    // Test hook, off by default. With a step above 0 the clock no longer follows the time of
    // day: every reading of Timer moves it on by stepSeconds (wrapping at midnight), waits for
    // events no longer block, and the falling-stone timer ticks on every pass of the event
    // loop. Pauses and falls then take a fixed, small number of event-loop passes, so tests
    // can play many games quickly. A step of 0 or less goes back to the real clock.
    void SetSteppedClock(double stepSeconds);

    // The controls, for the windows opened from here and for tests.
    QWidget* picContainer() const;
    BoardView* picSpielfeld() const { return picSpielfeld_; }
    QLabel* lblStatus() const { return lblStatus_; }
    OptionsPanel* picOptionen() const { return picOptionen_; }
    DrawnButton* picButtonNeuesSpiel() const { return picButtonNeuesSpiel_; }
    DrawnButton* picButtonAnleitung() const { return picButtonAnleitung_; }
    DrawnButton* picButtonCopyright() const { return picButtonCopyright_; }
    DrawnButton* picButtonExit() const { return picButtonExit_; }
    const GamePictures& pictures() const { return pictures_; }
    const QImage& containerPicture() const { return container_; }

  signals:
    // The instructions and about buttons ask for their windows through these. A connected
    // slot shows the window (about: centred on the screen); this window then disables itself
    // and plays the window's opening sound. The opened window enables this one again when it
    // closes.
    void showInstructions();
    void showCopyright();
    // The player confirmed the exit question: the program ends.
    void exitConfirmed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    static constexpr int kFallIntervalMs = 40;

    void BuildControls();
    DrawnButton* MakeButton(artwork::ButtonId id, const QRect& place);
    void CentreContainer();

    void Form_Load();
    void Form_KeyPress(QChar key);
    void optAnfangSp_Click(int index);
    void optStaerke_Click(int index);
    void picButtonNeuesSpiel_Click();
    void picButtonAnleitung_Click();
    void picButtonCopyright_Click();
    void picButtonExit_Click();

    std::unique_ptr<WaveOutput> ownWaveOutput_;
    ButtonPressedFlag buttonPressed_;
    GamePictures pictures_;
    QImage container_;
    SoundPlayer sound_;
    ClockRandom clockRandom_;
    ComputerPlayer computer_;
    Game game_;
    QTimer timFall_;
    std::string statusText_;
    // The stepped clock of the test hook: off while the step is 0.
    double clockStepSeconds_ = 0;
    double steppedTimeOfDay_ = 0;

    PictureBox* picContainer_ = nullptr;
    BoardView* picSpielfeld_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    OptionsPanel* picOptionen_ = nullptr;
    DrawnButton* picButtonNeuesSpiel_ = nullptr;
    DrawnButton* picButtonAnleitung_ = nullptr;
    DrawnButton* picButtonCopyright_ = nullptr;
    DrawnButton* picButtonExit_ = nullptr;
};

}  // namespace tessora
