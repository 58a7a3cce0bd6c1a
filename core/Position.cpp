#include "core/Position.h"

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

}  // namespace tessora
