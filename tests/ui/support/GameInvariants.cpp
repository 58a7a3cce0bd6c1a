#include "ui/support/GameInvariants.h"

#include <vector>

#include "core/BoardGeometry.h"
#include "core/LineFinder.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::test {

namespace {
// Where a cell's stone lies on the board picture, in layout pixels as the game draws it: columns
// 60 and rows 55 apart, starting at 20 and 15.
struct CellRect {
    int x, y, w, h;
};
CellRect CellRectOf(int cell, const BoardPictures& pictures) {
    const int column = cell % kColumnCount;
    const int row = cell / kColumnCount;
    return {ColumnLeft(column), RowTop(row), pictures.humanStone.width, pictures.humanStone.height};
}

// Draws player's stone into cell of board.
void DrawPlayersStone(const PixelView& board, int cell, int16 player,
                      const BoardPictures& pictures) {
    const PixelView& stone = player == kComputer ? pictures.computerStone : pictures.humanStone;
    DrawStone(board, cell, pictures.stoneMask, stone);
}

// A copy of a picture's pixels with its view, at the picture's density.
struct PixelCopy {
    std::vector<std::uint32_t> pixels;
    PixelView view;
    explicit PixelCopy(const PixelView& from)
        : pixels(static_cast<std::size_t>(from.deviceWidth()) *
                 static_cast<std::size_t>(from.deviceHeight())),
          view{pixels.data(), from.width, from.height, from.deviceWidth(), from.scale} {
        BitBlt(view, 0, 0, from.width, from.height, from, 0, 0, RasterOp::SrcCopy);
    }
};

// Every device pixel of the layout rectangle r is the same in both pictures.
bool SameRect(const PixelView& a, const PixelView& b, const CellRect& r) {
    const int s = a.scale;
    for (int y = r.y * s; y < (r.y + r.h) * s; ++y) {
        for (int x = r.x * s; x < (r.x + r.w) * s; ++x) {
            if (a.at(x, y) != b.at(x, y)) return false;
        }
    }
    return true;
}

// What a cell of the board picture shows: "empty", "human stone", "computer stone" or
// "something else".
std::string CellShows(int cell, const BoardPictures& pictures) {
    const CellRect r = CellRectOf(cell, pictures);
    const std::pair<int16, const char*> kinds[] = {
        {0, "empty"}, {kHuman, "human stone"}, {kComputer, "computer stone"}};
    for (const auto& [player, name] : kinds) {
        PixelCopy expected(pictures.emptyBoard);
        if (player != 0) DrawPlayersStone(expected.view, cell, player, pictures);
        if (SameRect(expected.view, pictures.board, r)) return name;
    }
    return "something else";
}
}  // namespace

void DrawStone(const PixelView& board, int cell, const PixelView& mask, const PixelView& stone) {
    const int x = ColumnLeft(cell % kColumnCount);
    const int y = RowTop(cell / kColumnCount);
    BitBlt(board, x, y, stone.width, stone.height, mask, 0, 0, RasterOp::MergePaint);
    BitBlt(board, x, y, stone.width, stone.height, stone, 0, 0, RasterOp::SrcAnd);
}

std::string BoardPictureFault(const GameState& state, const BoardPictures& pictures) {
    const char* const kHolds[] = {"empty", "human stone", "computer stone"};
    PixelCopy expected(pictures.emptyBoard);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (state.Cells[cell] != 0)
            DrawPlayersStone(expected.view, cell, state.Cells[cell], pictures);
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (SameRect(expected.view, pictures.board, CellRectOf(cell, pictures))) continue;
        const int16 holds = state.Cells[cell];
        const std::string holdsText = holds >= 0 && holds <= kComputer ? kHolds[holds] : "?";
        return "board picture: cell " + std::to_string(cell) + " shows " +
               CellShows(cell, pictures) + ", Cells holds " + holdsText;
    }
    const CellRect whole{0, 0, pictures.board.width, pictures.board.height};
    if (!SameRect(expected.view, pictures.board, whole)) {
        return "board picture: something is drawn between the cells";
    }
    return {};
}

std::string GravityFault(const GameState& state) {
    if (const int cell = FloatingStone(state); cell >= 0) {
        return "stone in cell " + std::to_string(cell) + " floats above an empty cell";
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
    return FindLine(state.Cells, player).direction != LineDirection::None;
}

std::string FinishedPositionFault(const GameState& state) {
    if (HasFourInARow(state, kHuman)) return "the human has four in a row";
    if (HasFourInARow(state, kComputer)) return "the computer has four in a row";
    for (int c = 0; c < kColumnCount; ++c) {
        if (state.Cells[c] == 0) return {};
    }
    return "the board is full";
}

}  // namespace tessora::test
