#include "tools/engine/Position.h"

namespace tessora::engine {

namespace {
const char* SideName(int16 stone) {
    return stone == kHuman ? "human" : "computer";
}
}  // namespace

const char* DirectionName(LineDirection direction) {
    switch (direction) {
        case LineDirection::Horizontal:
            return "horizontal";
        case LineDirection::Vertical:
            return "vertical";
        case LineDirection::Diagonal:
            return "diagonal";
        case LineDirection::None:
            break;
    }
    return "none";
}

void StartGame(GameState& state) {
    state.Cells.fill(0);
    state.board.ClearRows(kRowCount);
    SetBoardFloor(state.board);
    state.ColumnState.fill(kColumnOpen);
    state.FullColumnCount = 0;
    state.MoveCount = 0;
    state.GameRestarted = 0;
}

StoneVerdict PlaceStone(GameState& state, int column, int16 stone) {
    // The stone lands on the lowest empty cell of its column.
    int cell = (kRowCount - 1) * kColumnCount + column;
    while (state.Cells[cell] != 0)
        cell -= kColumnCount;
    state.Cells[cell] = stone;

    StoneVerdict verdict;
    verdict.line = FindLine(state.Cells, stone).direction;
    state.FullColumnCount = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        if (state.Cells[c] != 0) {
            state.ColumnState[c] = kColumnFull;
            ++state.FullColumnCount;
        }
    }
    verdict.draw = verdict.line == LineDirection::None && state.FullColumnCount == kColumnCount;
    return verdict;
}

bool BuildComputerPosition(std::string_view moves, FirstPlayer first, int strength,
                           GameState& state, std::string& error) {
    StartGame(state);
    int16 stone = StoneOf(first);
    int computerStones = 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int column = moves[i] - '1';
        const std::string where =
            "stone " + std::to_string(i + 1) + " (column " + std::to_string(column + 1) + ")";
        if (column < 0 || column >= kColumnCount) {
            error = where + " is not a column 1-7";
            return false;
        }
        if (state.ColumnState[column] == kColumnFull) {
            error = where + " goes into a full column";
            return false;
        }
        const StoneVerdict verdict = PlaceStone(state, column, stone);
        if (verdict.line != LineDirection::None) {
            error = std::string("the game is over: ") + where + " gives the " + SideName(stone) +
                    " a " + DirectionName(verdict.line) + " line";
            return false;
        }
        if (verdict.draw) {
            error = "the game is over: the board is full";
            return false;
        }
        if (stone == kComputer) ++computerStones;
        stone = stone == kHuman ? kComputer : kHuman;
    }
    if (stone != kComputer) {
        error = "the human is to move after " + std::to_string(moves.size()) + " stones with the " +
                (first == FirstPlayer::Human ? "human" : "computer") +
                " beginning; the computer must be to move";
        return false;
    }
    state.PlayerToMove = kComputer;
    state.MoveCount = static_cast<int16>(2 * (computerStones + 1));
    state.options.Strength = static_cast<int16>(strength);
    return true;
}

}  // namespace tessora::engine
