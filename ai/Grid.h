#pragma once

#include <array>
#include <cstdint>

#include "core/GameState.h"

namespace tessora {

// The computer player's working grids, by name.
enum class GridId : std::uint8_t {
    AttackScore,
    DefenceScore,
    OwnThreat,
    FoeThreat,
    ForbiddenMark,
    AvoidMark,
    CautionMark,
    DoubtMark
};
constexpr int kGridCount = 8;

const char* GridName(GridId id);

// One working grid: 16-bit values indexed (row, column) like Board, columns 1..7, rows
// firstRow..lastRow. Only Workspace writes a grid, so every change can be traced.
class Grid {
  public:
    constexpr Grid(GridId id, int firstRow, int lastRow)
        : id_(id), firstRow_(firstRow), lastRow_(lastRow) {}

    GridId id() const { return id_; }
    int firstRow() const { return firstRow_; }
    int lastRow() const { return lastRow_; }

    int16 at(int row, int column) const { return cells_[index(row, column)]; }

    // Sets rows 1..rows, columns 1..7 to 0.
    void Clear(int rows);

  private:
    friend class Workspace;
    int16& cell(int row, int column) { return cells_[index(row, column)]; }

    int index(int row, int column) const {
#if TESSORA_CHECKED_GRIDS
        CheckIndex(row, column);
#endif
        return row * 8 + column;
    }
    void CheckIndex(int row, int column) const;

    GridId id_;
    int firstRow_;
    int lastRow_;
    std::array<int16, 11 * 8> cells_{};
};

// All working grids of one computer move, with their declared row ranges.
struct Grids {
    Grid AttackScore{GridId::AttackScore, 1, 8};
    Grid DefenceScore{GridId::DefenceScore, 1, 8};
    Grid OwnThreat{GridId::OwnThreat, 0, 10};
    Grid FoeThreat{GridId::FoeThreat, 0, 9};
    Grid ForbiddenMark{GridId::ForbiddenMark, 1, 9};
    Grid AvoidMark{GridId::AvoidMark, 1, 8};
    Grid CautionMark{GridId::CautionMark, 1, 8};
    Grid DoubtMark{GridId::DoubtMark, 1, 6};

    const Grid& get(GridId id) const;
    Grid& get(GridId id);
};

}  // namespace tessora
