#include "ui/support/GameInvariants.h"

namespace tessora::test {

namespace {
int CountStones(const GameState& state, int16 player) {
    int count = 0;
    for (int16 cell : state.Cells) {
        if (cell == player) ++count;
    }
    return count;
}

bool InsideBoard(int row, int column) {
    return row >= 0 && row < kRowCount && column >= 0 && column < kColumnCount;
}

bool LineFrom(const GameState& state, int16 player, int row, int column, int rowStep,
              int columnStep) {
    for (int k = 0; k < 4; ++k) {
        const int r = row + k * rowStep;
        const int c = column + k * columnStep;
        if (!InsideBoard(r, c) || state.Cells[r * kColumnCount + c] != player) return false;
    }
    return true;
}
}  // namespace

std::string GravityFault(const GameState& state) {
    for (int i = 0; i < kCellCount - kColumnCount; ++i) {
        if (state.Cells[i] != 0 && state.Cells[i + kColumnCount] == 0) {
            return "stone in cell " + std::to_string(i) + " floats above an empty cell";
        }
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (state.Cells[i] < 0 || state.Cells[i] > kComputer) {
            return "cell " + std::to_string(i) + " holds " + std::to_string(state.Cells[i]);
        }
    }
    return {};
}

std::string StoneCountFault(const GameState& state, bool computerBegan) {
    const int difference = CountStones(state, kHuman) - CountStones(state, kComputer);
    const int allowed = computerBegan ? -1 : 1;
    if (difference == 0 || difference == allowed) return {};
    return std::string(computerBegan ? "computer" : "human") +
           " began, but human minus computer stones is " + std::to_string(difference);
}

std::string ColumnFault(const GameState& state) {
    int full = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        const bool topTaken = state.Cells[c] != 0;
        if (topTaken) ++full;
        const int16 expected = topTaken ? kColumnFull : kColumnOpen;
        if (state.ColumnState[c] != expected) {
            return "ColumnState of column " + std::to_string(c) + " is " +
                   std::to_string(state.ColumnState[c]) + ", its top cell is " +
                   (topTaken ? "taken" : "free");
        }
    }
    if (state.FullColumnCount != full) {
        return "FullColumnCount is " + std::to_string(state.FullColumnCount) + " for " +
               std::to_string(full) + " full columns";
    }
    return {};
}

bool HasFourInARow(const GameState& state, int16 player) {
    constexpr int kDirections[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            for (const auto& step : kDirections) {
                if (LineFrom(state, player, row, column, step[0], step[1])) return true;
            }
        }
    }
    return false;
}

std::string FinishedPositionFault(const GameState& state) {
    if (HasFourInARow(state, kHuman)) return "the human has four in a row";
    if (HasFourInARow(state, kComputer)) return "the computer has four in a row";
    for (int c = 0; c < kColumnCount; ++c) {
        if (state.Cells[c] == 0) return {};
    }
    return "the board is full";
}

std::string DrawCells(const GameState& state) {
    std::string text;
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            const int16 cell = state.Cells[row * kColumnCount + column];
            text += cell == kHuman ? 'h' : cell == kComputer ? 'c' : '.';
        }
        text += '\n';
    }
    return text;
}

}  // namespace tessora::test
