#include "core/Position.h"

#include <array>

namespace tessora {

void SetUpEmptyPosition(GameState& state) {
    state.Cells.fill(0);
    state.board.ClearRows(kRowCount);
    SetBoardFloor(state.board);
    state.ColumnState.fill(kColumnOpen);
    state.FullColumnCount = 0;
    state.MoveCount = 0;
}

void BeginComputerMove(GameState& state) {
    state.GameRestarted = 0;
    state.MoveCount = static_cast<int16>(state.MoveCount + 2);
}

void CountIfFull(GameState& state, int column) {
    if (state.Cells[column] == 0) return;
    state.ColumnState[column] = kColumnFull;
    ++state.FullColumnCount;
}

void RecountFullColumns(GameState& state) {
    state.FullColumnCount = 0;
    for (int column = 0; column < kColumnCount; ++column)
        CountIfFull(state, column);
}

void LetComputerMove(GameState& state, int computerStones) {
    state.PlayerToMove = kComputer;
    state.MoveCount = static_cast<int16>(2 * (computerStones + 1));
}

int LandingCell(const GameState& state, int column) {
    int landing = -1;
    for (int cell = column; cell < kCellCount && state.Cells[cell] == 0; cell += kColumnCount)
        landing = cell;
    return landing;
}

StoneOutcome PlaceStone(GameState& state, int column, int16 stone) {
    state.Cells[LandingCell(state, column)] = stone;
    RecountFullColumns(state);
    StoneOutcome outcome;
    outcome.line = FindLine(state.Cells, stone).direction;
    outcome.draw = outcome.line == LineDirection::None && state.FullColumnCount == kColumnCount;
    return outcome;
}

MovesOutcome PlayMoves(GameState& state, std::string_view moves, int16 firstStone) {
    MovesOutcome outcome;
    outcome.nextStone = firstStone;
    for (const char move : moves) {
        const int column = move - '1';
        if (column < 0 || column >= kColumnCount) {
            outcome.stop = MovesOutcome::Stop::NotAColumn;
            return outcome;
        }
        if (state.ColumnFull(column)) {
            outcome.stop = MovesOutcome::Stop::FullColumn;
            return outcome;
        }
        const int16 stone = outcome.nextStone;
        outcome.last = PlaceStone(state, column, stone);
        ++outcome.played;
        if (stone == kComputer) ++outcome.computerStones;
        outcome.nextStone = stone == kHuman ? kComputer : kHuman;
        if (outcome.last.GameOver()) {
            outcome.stop = MovesOutcome::Stop::GameOver;
            return outcome;
        }
    }
    return outcome;
}

const char* SideName(int16 stone) {
    return stone == kHuman ? "human" : "computer";
}

const char* DirectionName(LineDirection direction) {
    constexpr std::array<const char*, 4> kNames{"none", "horizontal", "vertical", "diagonal"};
    return kNames[static_cast<std::size_t>(direction)];
}

bool BuildPosition(std::string_view moves, int16 firstStone, int16 toMove, int16 strength,
                   GameState& state, std::string& error) {
    SetUpEmptyPosition(state);
    state.GameRestarted = 0;
    const MovesOutcome played = PlayMoves(state, moves, firstStone);
    // The move that stopped the position, by its place in the string.
    const auto where = [&moves](int index) {
        return "stone " + std::to_string(index + 1) + " (column " +
               std::to_string(moves[static_cast<std::size_t>(index)] - '0') + ")";
    };
    switch (played.stop) {
        case MovesOutcome::Stop::NotAColumn:
            error = where(played.played) + " is not a column 1-7";
            return false;
        case MovesOutcome::Stop::FullColumn:
            error = where(played.played) + " goes into a full column";
            return false;
        case MovesOutcome::Stop::GameOver: {
            if (played.last.draw) {
                error = "the game is over: the board is full";
                return false;
            }
            const int16 mover = played.nextStone == kHuman ? kComputer : kHuman;
            error = "the game is over: " + where(played.played - 1) + " gives the " +
                    SideName(mover) + " a " + DirectionName(played.last.line) + " line";
            return false;
        }
        case MovesOutcome::Stop::None:
            break;
    }
    if (played.nextStone != toMove) {
        error = std::string("the ") + SideName(played.nextStone) + " is to move after " +
                std::to_string(moves.size()) + " stones with the " + SideName(firstStone) +
                " beginning; the " + SideName(toMove) + " must be to move";
        return false;
    }
    if (toMove == kComputer) {
        LetComputerMove(state, played.computerStones);
    } else {
        state.PlayerToMove = kHuman;
        state.MoveCount = static_cast<int16>(2 * played.computerStones);
    }
    state.options.Strength = strength;
    return true;
}

}  // namespace tessora
