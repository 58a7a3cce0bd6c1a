#pragma once

#include <array>
#include <cstdint>

#include "ai/GridCell.h"
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

// Each working grid with its name and declared rows, in the order of GridId.
struct GridEntry {
    GridId id;
    const char* name;
    int firstRow;
    int lastRow;
};
inline constexpr std::array kGridTable{
    GridEntry{GridId::AttackScore, "AttackScore", 1, 8},
    GridEntry{GridId::DefenceScore, "DefenceScore", 1, 8},
    GridEntry{GridId::OwnThreat, "OwnThreat", 0, 10},
    GridEntry{GridId::FoeThreat, "FoeThreat", 0, 9},
    GridEntry{GridId::ForbiddenMark, "ForbiddenMark", 1, 9},
    GridEntry{GridId::AvoidMark, "AvoidMark", 1, 8},
    GridEntry{GridId::CautionMark, "CautionMark", 1, 8},
    GridEntry{GridId::DoubtMark, "DoubtMark", 1, 6},
};
constexpr int kGridCount = static_cast<int>(kGridTable.size());

constexpr const GridEntry& GridInfo(GridId id) {
    return kGridTable[static_cast<std::size_t>(id)];
}
constexpr const char* GridName(GridId id) {
    return GridInfo(id).name;
}

// One working grid: 16-bit values indexed (row, column) like Board, columns 1..7, rows
// firstRow..lastRow. Only Workspace writes a grid, so every change can be traced.
class Grid {
  public:
    constexpr explicit Grid(GridId id)
        : id_(id), firstRow_(GridInfo(id).firstRow), lastRow_(GridInfo(id).lastRow) {}

    constexpr GridId id() const { return id_; }
    constexpr int firstRow() const { return firstRow_; }
    constexpr int lastRow() const { return lastRow_; }

    int16 at(int row, int column) const { return cells_[index(row, column)]; }
    int16 at(Cell cell) const { return at(cell.row, cell.column); }

    // Sets the cells of the declared rows to 0 (a row at a time, which is quicker than filling
    // the whole array).
    void Clear() {
        for (int row = firstRow_; row <= lastRow_; ++row) {
            for (int column = 1; column <= kColumnCount; ++column)
                cell(row, column) = 0;
        }
    }

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

// All working grids of one computer move, each with its declared rows.
struct Grids {
    Grid AttackScore{GridId::AttackScore};
    Grid DefenceScore{GridId::DefenceScore};
    Grid OwnThreat{GridId::OwnThreat};
    Grid FoeThreat{GridId::FoeThreat};
    Grid ForbiddenMark{GridId::ForbiddenMark};
    Grid AvoidMark{GridId::AvoidMark};
    Grid CautionMark{GridId::CautionMark};
    Grid DoubtMark{GridId::DoubtMark};

    constexpr const Grid& get(GridId id) const { return this->*Member(id); }
    constexpr Grid& get(GridId id) { return this->*Member(id); }

    // Clears every grid.
    void Clear() {
        for (const GridEntry& entry : kGridTable)
            get(entry.id).Clear();
    }

  private:
    static constexpr Grid Grids::*Member(GridId id) {
        constexpr std::array<Grid Grids::*, kGridCount> kMembers{
            &Grids::AttackScore,   &Grids::DefenceScore, &Grids::OwnThreat,   &Grids::FoeThreat,
            &Grids::ForbiddenMark, &Grids::AvoidMark,    &Grids::CautionMark, &Grids::DoubtMark};
        return kMembers[static_cast<std::size_t>(id)];
    }
};

constexpr bool GridsInOrder() {
    for (std::size_t i = 0; i < kGridTable.size(); ++i) {
        if (static_cast<std::size_t>(kGridTable[i].id) != i) return false;
        if (Grids{}.get(kGridTable[i].id).id() != kGridTable[i].id) return false;
    }
    return true;
}
static_assert(GridsInOrder(), "kGridTable and Grids must list every grid in the order of GridId");

}  // namespace tessora
