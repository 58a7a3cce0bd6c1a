#pragma once

#include <string>
#include <string_view>

#include "core/Sound.h"
#include "platform/BitBlt.h"
#include "platform/MessageBoxStyle.h"

namespace tessora {

// The pictures the game core draws with and onto. Stone pictures keep their window indexes.
enum class Picture {
    Board = 0,           // picSpielfeld: the board with everything drawn on it
    HumanStone = 1,      // picStein(1)
    ComputerStone = 2,   // picStein(2)
    HighlightStone = 3,  // picStein(3)
    StoneMask = 4,       // picStein(4): black where a stone is, white around it
    Column = 5,          // picSpalte: black where the board's front is, white at the holes
    FrameWork = 6,       // picSteinSich: composes mask and stone for one falling frame
    SavedArea = 7        // picSteinSich2: the board area under the previous frame
};

// The mouse pointers the game asks for, by their window codes.
enum class Pointer { Default = 0, Hourglass = 11 };

// Everything the game core needs from its window. The Qt main window implements it; tests use a
// fake that records calls, answers message boxes from a script and runs code at a given yield.
class Shell {
  public:
    virtual ~Shell() = default;

    // Lets pending window events run once (may re-enter the game).
    virtual void DoEvents() = 0;
    // Lets window events run, blocking at most maxMilliseconds while none is pending.
    virtual void WaitForEvents(int maxMilliseconds) = 0;
    // Time of day in seconds since midnight.
    virtual double Timer() = 0;

    virtual void SetStatusText(std::string_view text) = 0;
    virtual std::string StatusText() const = 0;
    virtual void SetStatusVisible(bool visible) = 0;
    virtual void SetMousePointer(Pointer pointer) = 0;
    // Modal box owned by the main window; returns the Windows answer code.
    virtual int MessageBox(std::string_view text, std::string_view title, int style) = 0;
    virtual void PlaySound(Sound sound) = 0;

    // The pixels of a picture; drawing on Picture::Board shows after RefreshBoard.
    virtual PixelView Surface(Picture picture) = 0;
    virtual void RefreshBoard() = 0;
    // Puts the empty-board picture back, discarding everything drawn on the board.
    virtual void RestoreBoardPicture() = 0;
    // Repaints the main window.
    virtual void RefreshWindow() = 0;

    // The falling-stone timer (40 ms); its ticks call Game::timFall_Timer.
    virtual void SetFallTimerEnabled(bool enabled) = 0;
    virtual bool FallTimerEnabled() const = 0;

    // True when the who-begins option "Computer" is selected.
    virtual bool ComputerBegins() const = 0;
};

}  // namespace tessora
