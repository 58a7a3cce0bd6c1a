#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "core/Explanation.h"
#include "core/Game.h"
#include "core/Shell.h"
#include "platform/Clock.h"
#include "platform/WaveOutput.h"
#include "ui/DrawnButton.h"
#include "ui/GamePictures.h"
#include "ui/SoundPlayer.h"
#include "ui/artwork/Artwork.h"

class QLabel;

namespace tessora {

class BoardView;
class ExplanationPanel;
class HintMarker;
class OptionsPanel;
class ScreenRatioWatch;
class StatusAnnouncer;
class PlayAreaView;

// The main window: the black full-screen window with the 640 x 480 play area, the board, the
// drawn buttons, the options panel and the status line. It is the game's shell.
class frmHaupt : public QWidget, public Shell {
    Q_OBJECT

  public:
    // The window plays its sounds on waveOutput and measures its pauses with clock; both must
    // outlive it. The game's session passes the machine's own; tests pass theirs to hear
    // nothing or hurry time. With a zoom the play area and the message boxes are shown that many
    // times their own size, drawn at the resulting density.
    frmHaupt(WaveOutput& waveOutput, Clock& clock, double zoom = 1, QWidget* parent = nullptr);
    ~frmHaupt() override;

    // Plays in an ordinary window the size of the play area instead of the whole screen; the
    // play area then follows the window's size. With largest, the window starts maximized, as
    // large as the desktop lets a window be beside its panels. Set before Load.
    void SetWindowed(bool windowed, bool largest = false) {
        windowed_ = windowed;
        largestWindow_ = largest;
    }
    // Explains the computer's moves in a panel beside the play area and offers hints (its
    // button "Tipp" and the key T). Set before Load; without it nothing of this exists.
    void SetExplaining();
    bool Explaining() const { return panel_ != nullptr; }
    // The explanation of the computer's move just chosen, in the position it was chosen in.
    void ShowExplanation(const Explanation& explanation);
    // A hint for the human: explained in the panel, its column marked above the board.
    void ShowHint(const Explanation& explanation);
    ExplanationPanel* explanationPanel() const { return panel_; }
    HintMarker* hintMarker() const { return hintMarker_; }

    // How many times its layout size the play area is shown: the zoom, or in a resized window
    // as large as the window lets it be.
    double layoutScale() const { return layoutScale_; }
    // The zoom the window was made with; its message boxes and side windows share it.
    double zoom() const { return zoom_; }

    // Loads the window (Form_Load) for the game that is played in it, which must outlive it:
    // the play area is painted, the options take their defaults and the first game starts.
    // The game reaches the window as its shell; run once, before the window is shown.
    void Load(Game& game);

    Game& game() { return *game_; }
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
    void PlaySound(Sound sound) override;
    PixelView Surface(Picture picture) override;
    void RefreshBoard() override;
    void RestoreBoardPicture() override;
    void RefreshWindow() override;
    void SetFallTimerEnabled(bool enabled) override;
    bool FallTimerEnabled() const override;
    bool ComputerBegins() const override;

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
    // The play area's picture as it shows: tiles and logo, at the pictures' ratio.
    QImage containerPicture() const;

    // Keyboard play: the keys 1 to 7 drop the human's stone into their column as a click on it
    // does, the board and the drawn buttons take the focus (Tab) and show it, and Space or Enter
    // presses the focused button. Off unless switched on; then every key but "S" and "A" does
    // nothing here.
    void SetKeyboardPlay(bool on);
    bool KeyboardPlay() const { return keyboardPlay_; }

    // Paints every picture anew at `ratio` device pixels per layout pixel, with the stones of
    // the position back on the board. Done by the window itself when it comes to a screen of
    // another density and the game waits for the player.
    void UsePictureRatio(double ratio);

  signals:
    // The instructions and about buttons ask for their windows through these. A connected
    // slot shows the window (about: centred on the screen); this window then disables itself
    // and plays the window's opening sound. The opened window enables this one again when it
    // closes.
    void showInstructions();
    void showCopyright();
    // The player asked for a hint (the button "Tipp" or the key T, with explanations only).
    void hintRequested();
    // The program ends: the player confirmed the exit question or closed the window. The game
    // has been told already, so a move still running stops silently at its next step.
    void exitConfirmed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    static constexpr int kFallIntervalMs = 40;

    void BuildControls();
    DrawnButton* MakeButton(artwork::ButtonId id);
    // Places and sizes the play area and its controls at layoutScale_, the play area centred.
    void LayOutPlayArea();
    // A window whose frame (title bar and border) reaches out of the screen's free area is made
    // smaller, keeping the play area's proportions, and moved into it.
    void FitIntoFreeArea();
    // The smallest layout scale of the play area in a window.
    double SmallestLayoutScale() const;
    void CentreContainer();
    // An explanation in the panel, and said to a screen reader.
    void ShowInPanel(const Explanation& explanation);
    // Form_Load's pictures: the logo whitened around, the tiled play area and options panel,
    // the logo, and the drawn buttons' pictures.
    void PaintPlayArea();
    // Form_Load's whitening of the stones' surroundings through their mask, done when the game
    // first asks for a picture other than the board.
    void WhitenStones();
    void FollowScreenRatio();
    // The instructions and about buttons: asks for the window through request, then stands
    // aside for it with its opening sound.
    void OpenSideWindow(void (frmHaupt::*request)(), Sound openingSound);
    // Ends the program at once: the game stops and the session closes the windows.
    void EndProgram();

    void Form_Load();
    void Form_KeyPress(QChar key);
    void optAnfangSp_Click(int index);
    void optStaerke_Click(int index);
    void picButtonNeuesSpiel_Click();
    void picButtonAnleitung_Click();
    void picButtonCopyright_Click();
    void picButtonExit_Click();

    ButtonPressedFlag buttonPressed_;
    GamePictures pictures_;
    SoundPlayer sound_;
    Clock& clock_;
    Game* game_ = nullptr;
    bool windowed_ = false;
    bool stonesWhitened_ = false;
    bool largestWindow_ = false;
    double zoom_;
    double layoutScale_;
    QTimer timFall_;
    ScreenRatioWatch* ratioWatch_ = nullptr;  // a child of the window
    std::string statusText_;
    std::unique_ptr<StatusAnnouncer> statusAnnouncer_;
    bool keyboardPlay_ = false;

    PlayAreaView* picContainer_ = nullptr;
    BoardView* picSpielfeld_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    OptionsPanel* picOptionen_ = nullptr;
    DrawnButton* picButtonNeuesSpiel_ = nullptr;
    DrawnButton* picButtonAnleitung_ = nullptr;
    DrawnButton* picButtonCopyright_ = nullptr;
    DrawnButton* picButtonExit_ = nullptr;
    ExplanationPanel* panel_ = nullptr;
    HintMarker* hintMarker_ = nullptr;
};

}  // namespace tessora
