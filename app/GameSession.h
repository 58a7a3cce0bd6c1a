#pragma once

#include <QImage>
#include <future>
#include <memory>
#include <vector>

#include "app/CommandLine.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/WaveOutput.h"

namespace tessora {

class ComputerPlayer;
class Game;
class MoveChooser;
class MoveExplainer;
class frmAnleitung;
class frmCopyright;
class frmHaupt;
class KeyboardPlaySwitch;

// One run of the game: owns the game and the computer player, builds the main window they play
// in on a sound output and a clock (the computer player draws its chances from a given
// source), builds the instructions and about windows beside it, and wires the three together
// and to the end of the program.
class GameSession {
  public:
    // The game on the machine's own sound output, clock-seeded chances and time of day, shown
    // as the options ask.
    explicit GameSession(StartOptions options = {});
    // The game on the given parts, which must outlive the session (for tests).
    GameSession(WaveOutput& waveOutput, RandomSource& random, Clock& clock,
                StartOptions options = {});
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Builds the windows on first use (the main window starts the first game as it loads) and
    // shows the main window.
    void ShowMainWindow();

    // The windows, null until ShowMainWindow. The instructions and about windows are made when
    // first asked for, by their buttons or here, so that they cost the start nothing.
    frmHaupt* mainWindow() const { return window_.get(); }
    frmAnleitung* instructions();
    frmCopyright* about();

  private:
    struct OwnParts;
    void Build();

    StartOptions options_;
    std::unique_ptr<OwnParts> own_;  // the machine's parts, when none were given
    WaveOutput* waveOutput_ = nullptr;
    RandomSource* random_ = nullptr;
    Clock* clock_ = nullptr;
    std::unique_ptr<ComputerPlayer> computer_;
    // With explanations: the player's moves explained, and hints from a player of its own on
    // its own chances; the chooser hands each explanation to the window as the move is chosen.
    ClockRandom hintRandom_;
    std::unique_ptr<MoveExplainer> explainer_;
    std::unique_ptr<MoveChooser> explainingChooser_;
    // The game goes before the main window, its shell; the two other windows go first.
    std::unique_ptr<frmHaupt> window_;
    std::unique_ptr<Game> game_;
    std::future<std::vector<QImage>> icon_;
    bool keyboardPlayOn_ = false;
    std::unique_ptr<frmAnleitung> instructions_;
    std::unique_ptr<frmCopyright> about_;
    // Declared last, so it stops switching the windows before they go.
    std::unique_ptr<KeyboardPlaySwitch> keyboardPlay_;
};

}  // namespace tessora
