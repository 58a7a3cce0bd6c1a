#include "ui/accessibility/BoardDescription.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessora {

namespace {
// The board's words for assistive technology, in the language played (context "Board").
QString BoardWords(const char* german) {
    return QCoreApplication::translate("Board", german);
}
}  // namespace

QString StoneName(int16 stone) {
    return stone == kHuman ? BoardWords(QT_TRANSLATE_NOOP("Board", "Spieler"))
                           : BoardWords(QT_TRANSLATE_NOOP("Board", "Computer"));
}

QString EmptyCellName() {
    return BoardWords(QT_TRANSLATE_NOOP("Board", "leer"));
}

QString CellName(int column, int rowFromBottom, const QString& content) {
    return BoardWords(QT_TRANSLATE_NOOP("Board", "Spalte %1, Feld %2 von unten: %3"))
        .arg(column)
        .arg(rowFromBottom)
        .arg(content);
}

namespace {
QString LastMoveSentence(int16 side, int column) {
    return side == kHuman
               ? BoardWords(QT_TRANSLATE_NOOP("Board", "Ihr letzter Zug: Spalte %1."))
                     .arg(column + 1)
               : BoardWords(QT_TRANSLATE_NOOP("Board", "Letzter Zug des Computers: Spalte %1."))
                     .arg(column + 1);
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
            sentences << BoardWords(QT_TRANSLATE_NOOP("Board", "Spalte %1: leer.")).arg(column + 1);
        } else if (stones.size() == kRowCount) {
            sentences << BoardWords(QT_TRANSLATE_NOOP("Board", "Spalte %1 voll: %2."))
                             .arg(column + 1)
                             .arg(stones.join(QStringLiteral(", ")));
        } else {
            sentences << BoardWords(QT_TRANSLATE_NOOP("Board", "Spalte %1: %2."))
                             .arg(column + 1)
                             .arg(stones.join(QStringLiteral(", ")));
        }
    }
    if (!anyStone) return BoardWords(QT_TRANSLATE_NOOP("Board", "Alle Spalten leer."));
    return sentences.join(u' ');
}

}  // namespace tessora
