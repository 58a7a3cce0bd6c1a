#pragma once

#include <array>
#include <cstdint>

namespace tessora {

using int16 = std::int16_t;

constexpr int kColumnCount = 7;
constexpr int kRowCount = 6;
constexpr int kCellCount = 42;

// Column codes: 150 is the leftmost column, 156 the rightmost; 0 means "no decision".
constexpr int16 kFirstColumnCode = 150;
constexpr int16 kLastColumnCode = 156;

// A column has three names: its index 0..6 (a column of Cells, and its ColumnState entry), its
// Board column 1..7, and its column code 150..156.
constexpr bool IsColumnCode(int code) {
    return code >= kFirstColumnCode && code <= kLastColumnCode;
}
constexpr int ColumnOfCode(int code) {
    return code - kFirstColumnCode;
}
constexpr int16 CodeOfColumn(int column) {
    return static_cast<int16>(kFirstColumnCode + column);
}
constexpr int ColumnOfBoardColumn(int boardColumn) {
    return boardColumn - 1;
}

// A cell of Cells has its index row * 7 + column, row 0 at the top and column 0 at the left.
constexpr int CellIndex(int row, int column) {
    return row * kColumnCount + column;
}
constexpr int CellRow(int cell) {
    return cell / kColumnCount;
}
constexpr int CellColumn(int cell) {
    return cell % kColumnCount;
}

// The strength levels the options offer: 1 "Anfänger", 3 "Experte" (chosen at start) and
// 4 "Profi". No option gives 2, which the computer player plays all the same (the engine tool
// takes every level from 1 to 4).
constexpr int16 kStrengthBeginner = 1;
constexpr int16 kStrengthExpert = 3;
constexpr int16 kStrengthProfessional = 4;
constexpr int16 kDefaultStrength = kStrengthExpert;
constexpr std::array<int16, 3> kOfferedStrengths{kStrengthBeginner, kStrengthExpert,
                                                 kStrengthProfessional};
constexpr int16 kLowestStrength = 1;
constexpr int16 kHighestStrength = 4;

// Line-owner codes passed to the four-in-a-row check: they only select the result message.
constexpr int16 CodeHuman = 64;
constexpr int16 CodeComputer = 67;

// ColumnState values.
constexpr int16 kColumnOpen = 1;
constexpr int16 kColumnFull = 4;

// PlayerToMove values, also the stone values in Cells.
constexpr int16 kHuman = 1;
constexpr int16 kComputer = 2;

// Board value of the two floor rows below the playing rows.
constexpr int16 kFloor = 3;

// The computer player's working board: rows 1..8 (row 1 at the top, rows 7 and 8 the floor),
// columns 1..7. In rows 1..6: 0 empty, 1 stone of the side whose move is computed, 2 the
// other side's stone. Index 0 of both dimensions is unused so that indexes read as written.
class Board {
  public:
    static constexpr int kFirstRow = 1;
    static constexpr int kLastRow = 8;

    int16 at(int row, int column) const { return cells_[index(row, column)]; }
    void set(int row, int column, int16 value) { cells_[index(row, column)] = value; }

    // Clears rows 1..rows in all seven columns.
    void ClearRows(int rows);

  private:
    static int index(int row, int column) {
#if TESSORA_CHECKED_GRIDS
        CheckIndex(row, column);
#endif
        return row * 8 + column;
    }
    static void CheckIndex(int row, int column);

    std::array<int16, 9 * 8> cells_{};
};

// The options the player sets in the main window.
struct Options {
    int16 Strength = kDefaultStrength;
    bool SoundOn = true;
    bool AnimationOn = true;
};

// Everything a running game shares between the turn flow and the computer player.
struct GameState {
    // The authoritative position: index row * 7 + column, row 0 at the top;
    // 0 empty, 1 human stone, 2 computer stone.
    std::array<int16, kCellCount> Cells{};
    Board board{};
    // Per column index 0..6: 1 open, 4 full.
    std::array<int16, kColumnCount> ColumnState{};
    int16 PlayerToMove = 0;
    int16 GameRestarted = 0;
    // Twice the number of computer moves so far, the current one included.
    int16 MoveCount = 0;
    int16 FullColumnCount = 0;
    // Set by BuildBoard: the Board code of the side whose move is computed.
    int16 SideCode = 0;
    Options options{};

    // Whether the column with index 0..6 is marked full.
    bool ColumnFull(int column) const { return ColumnState[column] == kColumnFull; }
};

// Board rows 7 and 8 become the floor (3) in every column.
void SetBoardFloor(Board& board);

// Copies Cells into Board rows 1..6 relative to PlayerToMove (its stones 1, the other's 2),
// writing only occupied cells, then sets SideCode to 1.
void BuildBoard(GameState& state);

}  // namespace tessora
