#pragma once

#include <QString>
#include <array>

#include "core/GameState.h"

namespace tessora {

// The column (0..6) of each side's last stone in the game on the board, -1 before its first.
struct LastMoves {
    int human = -1;
    int computer = -1;
    // The side (kHuman or kComputer) whose stone landed last; 0 before the first stone.
    int16 lastSide = 0;
};

// The board's words for a screen reader are German ("Spieler", "Spalte 4, ...") and shown in the
// language played.

// The owner of a stone (kHuman or kComputer): "Spieler" or "Computer".
QString StoneName(int16 stone);
// A cell without a stone: "leer".
QString EmptyCellName();
// A cell by its column (1..7) and row counted from the bottom (1..6), with what it holds:
// "Spalte 4, Feld 1 von unten: Computer".
QString CellName(int column, int rowFromBottom, const QString& content);

// The position in words, for a screen reader: the last move of each side, the most recent
// first, then every column from left to right with its stones from the bottom up, for example
// "Letzter Zug des Computers: Spalte 4. Ihr letzter Zug: Spalte 3. Spalte 1: leer.
// Spalte 2: Spieler, Computer. ..." A full column is called full; an empty board is
// "Alle Spalten leer."
QString BoardDescription(const std::array<int16, kCellCount>& cells, const LastMoves& lastMoves);

}  // namespace tessora
