#include "ui/accessibility/BoardDescription.h"

#include <QStringList>

namespace tessora {

QString StoneName(int16 stone) {
    return stone == kHuman ? QStringLiteral("Spieler") : QStringLiteral("Computer");
}

namespace {
QString LastMoveSentence(int16 side, int column) {
    return side == kHuman ? QStringLiteral("Ihr letzter Zug: Spalte %1.").arg(column + 1)
                          : QStringLiteral("Letzter Zug des Computers: Spalte %1.").arg(column + 1);
}

// The stones of a column from the bottom row up.
QStringList ColumnStones(const std::array<int16, kCellCount>& cells, int column) {
    QStringList stones;
    for (int row = kRowCount - 1; row >= 0; --row) {
        const int16 stone = cells[CellIndex(row, column)];
        if (stone != 0) stones << StoneName(stone);
    }
    return stones;
}
}  // namespace

QString BoardDescription(const std::array<int16, kCellCount>& cells, const LastMoves& lastMoves) {
    QStringList sentences;
    const int16 recent = lastMoves.lastSide == kHuman ? kHuman : kComputer;
    for (int16 side : {recent, static_cast<int16>(kHuman + kComputer - recent)}) {
        const int column = side == kHuman ? lastMoves.human : lastMoves.computer;
        if (column >= 0) sentences << LastMoveSentence(side, column);
    }
    bool anyStone = false;
    for (int column = 0; column < kColumnCount; ++column) {
        const QStringList stones = ColumnStones(cells, column);
        anyStone = anyStone || !stones.isEmpty();
        if (stones.isEmpty()) {
            sentences << QStringLiteral("Spalte %1: leer.").arg(column + 1);
        } else if (stones.size() == kRowCount) {
            sentences
                << QStringLiteral("Spalte %1 voll: %2.").arg(column + 1).arg(stones.join(u", "));
        } else {
            sentences << QStringLiteral("Spalte %1: %2.").arg(column + 1).arg(stones.join(u", "));
        }
    }
    if (!anyStone) return QStringLiteral("Alle Spalten leer.");
    return sentences.join(u' ');
}

}  // namespace tessora
