#pragma once

#include "ai/Grid.h"
#include "ai/Trace.h"
#include "core/GameState.h"
#include "core/MoveChooser.h"
#include "platform/Random.h"

namespace tessora {

// Board code of the side whose move is computed, and of the other side.
constexpr int16 OwnCode = 1;
constexpr int16 OpponentCode = 2;

// The best cell found so far by ChooseBestCell, in the game's three-entry array: entry 0 its
// column code, entry 1 its score; entry 2 is never used.
struct BestChoiceArray {
    std::array<int16, 3> entries{};

    int16& Column() { return entries[0]; }
    int16& Score() { return entries[1]; }
    // No cell chosen yet: column code 0 and score 0.
    void Clear() {
        Column() = 0;
        Score() = 0;
    }
};

// Everything the stages of one computer move work on: the board (read only), the working
// grids, the random source, the yield hook and the optional trace. Every change to a grid goes
// through add or set, which record it when a trace is attached.
class Workspace {
  public:
    Workspace(const GameState& state, RandomSource& random, YieldHook yield)
        : state_(&state), random_(&random), yield_(yield) {}

    // --- what the stages read ---
    const GameState& state() const { return *state_; }
    int16 board(int row, int column) const { return state_->board.at(row, column); }
    int16 board(Cell cell) const { return board(cell.row, cell.column); }
    int16 SideCode() const { return state_->SideCode; }
    bool IsOwnPass(int16 colour) const { return colour == state_->SideCode; }
    // A cell is supported when the cell below it is a stone or the floor.
    bool Supported(int row, int column) const { return board(row + 1, column) != 0; }
    // An empty supported cell.
    bool Playable(int row, int column) const {
        return board(row, column) == 0 && Supported(row, column);
    }
    bool Supported(Cell cell) const { return Supported(cell.row, cell.column); }
    // Whether Board column 1..7 is marked full.
    bool ColumnFull(int column) const { return state_->ColumnFull(ColumnOfBoardColumn(column)); }
    bool Playable(Cell cell) const { return Playable(cell.row, cell.column); }

    Grids& grids() { return grids_; }
    const Grids& grids() const { return grids_; }
    BestChoiceArray& BestChoice() { return bestChoice_; }
    RandomSource& random() { return *random_; }

    // Lets the window process pending events (after every window or anchor of a scan).
    void DoEvents() const { yield_(); }

    // --- the only way to change a grid ---
    void add(Grid& grid, int row, int column, int delta) {
        int16& value = grid.cell(row, column);
        const int16 before = value;
        value = static_cast<int16>(value + delta);
        if (trace_ != nullptr) Record(grid, row, column, before, value);
    }
    void set(Grid& grid, int row, int column, int16 newValue) {
        int16& value = grid.cell(row, column);
        const int16 before = value;
        value = newValue;
        if (trace_ != nullptr) Record(grid, row, column, before, value);
    }
    // Sets a warning mark or a threat flag to 1.
    void mark(Grid& grid, int row, int column) { set(grid, row, column, 1); }
    void add(Grid& grid, Cell cell, int delta) { add(grid, cell.row, cell.column, delta); }
    void set(Grid& grid, Cell cell, int16 value) { set(grid, cell.row, cell.column, value); }
    void mark(Grid& grid, Cell cell) { mark(grid, cell.row, cell.column); }

    // Names the stage, rule and side for the trace; cheap, so stages call it freely.
    void SetOrigin(Stage stage, int rule, int16 colour) { origin_ = Origin{stage, rule, colour}; }
    const Origin& origin() const { return origin_; }

    void AttachTrace(Trace* trace) { trace_ = trace; }
    void SetYield(YieldHook yield) { yield_ = yield; }

    // Re-points the workspace at another position (the engine and benchmarks reuse one).
    void Rebind(const GameState& state) { state_ = &state; }

  private:
    void Record(const Grid& grid, int row, int column, int16 before, int16 after);

    const GameState* state_;
    RandomSource* random_;
    YieldHook yield_;
    Grids grids_{};
    BestChoiceArray bestChoice_{};
    Origin origin_{};
    Trace* trace_ = nullptr;
};

}  // namespace tessora
