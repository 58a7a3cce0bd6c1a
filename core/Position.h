#pragma once

#include <string>
#include <string_view>

#include "core/GameState.h"
#include "core/LineFinder.h"

// The bookkeeping of a position, in one place for the game, the engine tool, the benchmarks
// and the tests: the empty position of a new game, the start of a computer move, the count of
// full columns, and stones dropped outside the game's turn flow (no window, no yields).
namespace tessora {

// The empty position a new game starts from: no stone in Cells or on Board rows 1..6, the floor
// under the board, every column open and none counted full, no computer move made yet.
void SetUpEmptyPosition(GameState& state);

// The start of a computer move: no new game has been set up since, and MoveCount counts this
// move (twice the computer's moves so far, the current one included).
void BeginComputerMove(GameState& state);

// Marks the column (0..6) full and counts it when its top cell holds a stone. A full column
// stays marked; FullColumnCount must have been set to 0 before the first column is counted.
void CountIfFull(GameState& state, int column);
// ColumnState and FullColumnCount counted anew from all seven top cells.
void RecountFullColumns(GameState& state);

// The position after computerStones stones of the computer, with the computer to move as the
// turn flow hands it the move: PlayerToMove is the computer and MoveCount counts this move.
void LetComputerMove(GameState& state, int computerStones);

// The cell a stone dropped into the column (0..6) lands in, or -1 when the column is full.
int LandingCell(const GameState& state, int column);

// How the game stands after a stone, judged as the game judges it: a line of the stone's owner
// first (in the full scan's order), then a full board.
struct StoneOutcome {
    LineDirection line = LineDirection::None;
    bool draw = false;
    bool GameOver() const { return line != LineDirection::None || draw; }
};

// Drops stone (kHuman or kComputer) into the column (0..6), which must be open, recounts the
// full columns and judges the position.
StoneOutcome PlaceStone(GameState& state, int column, int16 stone);

// What became of a column string.
struct MovesOutcome {
    enum class Stop {
        None,        // every move was played and the game goes on
        NotAColumn,  // the move after the played ones is not a digit 1-7
        FullColumn,  // the move after the played ones goes into a full column
        GameOver,    // the last played stone ended the game (see last)
    };
    Stop stop = Stop::None;
    int played = 0;          // moves placed on the board
    int computerStones = 0;  // of them, the computer's
    int16 nextStone = 0;     // whose stone the next move would be
    StoneOutcome last;       // the outcome of the last stone played
};

// Plays moves (digits 1-7 for columns 1-7, the first stone first) with PlaceStone, the stones
// alternating from firstStone, and stops at the first move that cannot be played or at a stone
// that ends the game.
MovesOutcome PlayMoves(GameState& state, std::string_view moves, int16 firstStone);

// Builds the position after moves (digits 1-7, the stones alternating from firstStone) with the
// side toMove (kHuman or kComputer) to move, as the turn flow hands it the move: Cells,
// ColumnState, FullColumnCount, the floor, PlayerToMove, the strength, and MoveCount (twice the
// computer's moves, its coming one counted when it is to move). Refuses a move that is not a
// column, an overfull column, a game already over and the other side to move; returns false
// with a one-line reason in error.
bool BuildPosition(std::string_view moves, int16 firstStone, int16 toMove, int16 strength,
                   GameState& state, std::string& error);

// "human" or "computer", the owner of a stone.
const char* SideName(int16 stone);
// "horizontal", "vertical" or "diagonal" ("none" for no line).
const char* DirectionName(LineDirection direction);

}  // namespace tessora
