#include "ai/opening/RandomOpening.h"

namespace tessora {

namespace {

// The draw's value bands on the computer's first move: which bottom-row cell gets the point.
struct OpeningBand {
    int lastValue;
    int column;  // 0: no point
};
constexpr OpeningBand kFirstMoveBands[] = {
    {49, 4},   // centre column
    {50, 0},   // nothing
    {73, 3},   // left of centre
    {96, 5},   // right of centre
    {100, 0},  // nothing
};
constexpr int kFirstMovePoints = 1;
// On the second move, draws up to this value mark the whole bottom row as doubtful.
constexpr int kLastBottomRowMarkValue = 29;

}  // namespace

void RandomOpening(Workspace& ws) {
    ws.SetOrigin(Stage::RandomOpening, 0, 0);
    RandomSource& random = ws.random();
    random.Randomize();
    const int a = static_cast<int>(random.Rnd() * 100 + 1);  // 1..100

    Grids& g = ws.grids();
    if (ws.state().MoveCount <= 2) {
        for (const OpeningBand& band : kFirstMoveBands) {
            if (a > band.lastValue) continue;
            if (band.column != 0) ws.add(g.DefenceScore, kRowCount, band.column, kFirstMovePoints);
            return;
        }
        return;
    }
    if (a <= kLastBottomRowMarkValue) {
        for (int column = 1; column <= kColumnCount; ++column) {
            ws.mark(g.DoubtMark, kRowCount, column);
        }
    }
}

}  // namespace tessora
