#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/GameState.h"

namespace tessora {

// What decided a move: the own four completed, the other side's four blocked, the stacked
// threats blocked, the last open column, the best cell of the score grids, the two-column
// endgame, or the last-resort column.
enum class ExplanationKind : std::uint8_t {
    Win,
    Block,
    Stacked,
    LastColumn,
    BestCell,
    Endgame,
    Fallback
};

// The kind as the engine tool names it, in the order of ExplanationKind.
inline constexpr std::array<const char*, 7> kExplanationKindNames{
    "win", "block", "stacked", "last-column", "best-cell", "endgame", "fallback"};
constexpr const char* ExplanationKindName(ExplanationKind kind) {
    return kExplanationKindNames[static_cast<std::size_t>(kind)];
}

// The strongest warning mark on a cell, in falling severity, for the board miniature.
enum class CellMark : std::uint8_t { None, Forbidden, Avoid, Caution, Doubt };

// Why the computer player chose its column (or, for a hint, would choose it in the human's
// place), in the words the explanation panel shows and the engine tool prints. Plain data: it
// is built beside the computer player and read by the window without knowing the player.
struct Explanation {
    static constexpr int kMostReasons = 3;

    struct Reason {
        std::string text;  // one phrase of the rule family, e.g. "baut eine eigene Dreierreihe"
        int points = 0;    // positive
    };
    struct AvoidedColumn {
        int column = 0;    // 1..7
        std::string text;  // "Spalte 3 gemieden: darüber könnten Sie gewinnen"
    };

    int column = 0;  // 1..7; 0 while there is nothing to explain
    bool hint = false;
    ExplanationKind kind = ExplanationKind::BestCell;
    const char* stage = "";  // the deciding stage as the engine names it ("ChooseBestCell", "None")
    std::string headline;    // names the column: "Der Computer spielte Spalte 4."
    std::string text;        // why, in one or two plain sentences
    // The best cell only: its score and the grid it came from ("AttackScore" or "DefenceScore"),
    // and the largest contributions to it, the largest first.
    int score = 0;
    const char* grid = "";
    std::array<Reason, kMostReasons> reasons{};
    int reasonCount = 0;
    // The open columns that the warning marks ruled out, left to right.
    std::array<AvoidedColumn, kColumnCount> avoided{};
    int avoidedCount = 0;
    // Said when a random draw decided (the coin's scan order, the opening preference, the
    // last-resort column's draw); empty otherwise.
    std::string chance;
    // The board miniature, by Cells index (row 0 at the top): how the computer rated each cell
    // (the larger of its two scores) and its strongest mark; the chosen cell, or -1 when a stage
    // named the column without a cell.
    std::array<int16, kCellCount> ratings{};
    std::array<CellMark, kCellCount> marks{};
    int chosenCell = -1;
};

}  // namespace tessora
