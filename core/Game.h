#pragma once

#include <array>
#include <string>

#include "core/GameState.h"
#include "core/LineWindows.h"
#include "core/MoveChooser.h"
#include "core/Shell.h"
#include "core/Texts.h"

namespace tessora {

// The guards of the main window that the game flow reads and writes.
struct WindowFlags {
    bool ClickBusy = false;
    bool DropRunning = false;
    bool NewGamePending = false;
    bool ComputerThinking = false;
    bool FourFound = false;
};

// Position of the falling stone, in twips inside the board.
struct FallState {
    float DropX = 0;
    float DropY = 0;
    int16 DropTargetY = 0;
    float SavedX = 0;
    float SavedY = 0;
};

// Column code (150..156) hit by a click at x twips inside the board: the distance from 150 twips
// is rounded half to even and divided into 900-twip columns; everything right of the last
// column boundary belongs to the rightmost column.
int16 ColumnCodeFromClick(float x);

// The game: state, turn flow, end of game and falling stone. It reaches its window only
// through the shell, and the computer player's choice only through the move chooser.
class Game {
  public:
    Game(Shell& shell, MoveChooser& chooser);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    WindowFlags& flags() { return flags_; }
    const WindowFlags& flags() const { return flags_; }
    const FallState& fall() const { return fall_; }
    const MessageTexts& texts() const { return texts_; }
    Options& options() { return state_.options; }

    // Loads the message table (the main window's load handler does this before NewGame; the
    // constructor loads it once too, so the guards never compare against empty texts).
    void InitSprache();

    // The window's load handler: the guards down and the options as the first game has them
    // (strength 3, sounds and falling stones on).
    void SetDefaults();
    // The strength chosen in the options; it applies from the computer's next move.
    void SetStrength(int16 strength) { state_.options.Strength = strength; }
    // The keys S and A.
    void ToggleSound() { state_.options.SoundOn = !state_.options.SoundOn; }
    void ToggleAnimation() { state_.options.AnimationOn = !state_.options.AnimationOn; }

    // The game waits for the human's move: the human is to move on a board with an open column,
    // no stone falls, the computer does not think and no click is being handled.
    bool WaitsForHuman() const;

    // Turn flow.
    void picSpielfeld_MouseUp(int button, int shift, float x, float y);
    void NewGame();
    void DropStone(int16 code);
    void SteinSetzen(int cell, int picture);
    void ComputerDropPause(int16 code);
    void Pause();
    void ComputerMove();
    // The program ends (the exit question was not answered No, or the window was closed): a move
    // still running stops at its next step as it does after a new game, and from now on the
    // game draws, plays and announces nothing more, waits for nothing and sets up no new game.
    void EndProgram();

    // Four in a row and end of game.
    // The full scan: walks kFullScanOrder (the horizontal, vertical and diagonal windows in
    // their order), yielding once after every window without a line, and shows and announces
    // the first line of PlayerToMove.
    void CheckFour(int16 owner);
    void ShowHorizontalResult(int16 owner);
    void ShowVerticalResult(int16 owner);
    void ShowDiagonalResult(int16 owner);
    void ShowDraw();
    // The quick test: rebuilds Board for the side to move and sets result to 1 when that side
    // has four in a row on it, else 0.
    void HasFourOnBoard(int16& result);
    void CheckAndPassTurn();
    void CheckFullColumns();

    // Falling stone.
    void StartDropAnimation(int cell);
    void timFall_Timer();

  private:
    // Shows a line the full scan found (highlight, pause, owner's stones again), sets FourFound
    // and announces it by its direction.
    void ShowLine(int16 owner, const Window& window, LineDirection direction);
    void DrawLine(const std::array<int, 4>& cells, int picture);
    void AnnounceLine(int16 owner, const std::string& wonText, const std::string& lostText);

    Shell& shell_;
    MoveChooser& chooser_;
    GameState state_{};
    WindowFlags flags_{};
    FallState fall_{};
    MessageTexts texts_{};
    bool programEnded_ = false;
};

}  // namespace tessora
