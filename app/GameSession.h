#pragma once

#include <memory>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/WaveOutput.h"

namespace tessora {

class frmAnleitung;
class frmCopyright;
class frmHaupt;
class KeyboardPlaySwitch;

// One run of the game: builds the main window (which holds the game and the computer player)
// on a sound output, a source of chance and a clock, builds the instructions and about windows
// beside it, and wires the three together and to the end of the program.
class GameSession {
  public:
    // The game on the machine's own sound output, clock-seeded chances and time of day.
    GameSession();
    // The game on the given parts, which must outlive the session (for tests).
    GameSession(WaveOutput& waveOutput, RandomSource& random, Clock& clock);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Keyboard play (the keys 1 to 7, Tab, Space and Enter) asked for on the command line; it is
    // also on while an assistive technology is active. Takes effect when the windows are built.
    void AskForKeyboardPlay(bool asked) { keyboardPlayAsked_ = asked; }

    // Builds the windows on first use (the main window starts the first game as it loads) and
    // shows the main window.
    void ShowMainWindow();

    // The windows, null until ShowMainWindow.
    frmHaupt* mainWindow() const { return window_.get(); }
    frmAnleitung* instructions() const { return instructions_.get(); }
    frmCopyright* about() const { return about_.get(); }

  private:
    struct OwnParts;
    void Build();

    std::unique_ptr<OwnParts> own_;  // the machine's parts, when none were given
    WaveOutput* waveOutput_ = nullptr;
    RandomSource* random_ = nullptr;
    Clock* clock_ = nullptr;
    bool keyboardPlayAsked_ = false;
    // Declared after the main window, so the two other windows go first.
    std::unique_ptr<frmHaupt> window_;
    std::unique_ptr<frmAnleitung> instructions_;
    std::unique_ptr<frmCopyright> about_;
    // Declared last, so it stops switching the windows before they go.
    std::unique_ptr<KeyboardPlaySwitch> keyboardPlay_;
};

}  // namespace tessora
