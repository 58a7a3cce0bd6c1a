// The moves named by the best-cell choice: a win or a block (the threat scan's own choice over
// its threat points) and the best cell of the score grids.
#include "ai/BestCell.h"
#include "ai/explain/AvoidedColumns.h"
#include "ai/explain/KindExplanations.h"
#include "ai/explain/Reasons.h"

namespace tessora::explain {
namespace {

void SayBestCell(const ChosenMove& move, const ChosenCell& chosen, const Writer& writer,
                 Explanation& out) {
    const bool attack = chosen.grid == GridId::AttackScore;
    out.score = chosen.score;
    out.grid = GridName(chosen.grid);
    writer.Write(out.text, attack ? kAttackCellText : kDefenceCellText, {out.column, out.score});
    const GridCellRef cell{chosen.grid, chosen.row, chosen.column};
    FillReasons(PointsByFamily(move.trace, cell), out.score, writer, out);
    // The opening's point decided when the cell would have had no points without it.
    const int opening = PointsFromStage(move.trace, Stage::RandomOpening, cell);
    if (opening > 0 && out.score - opening <= 0) writer.Write(out.chance, kOpeningChance, {});
}

}  // namespace

void ExplainBestCellChoice(const ChosenMove& move, const Writer& writer, Explanation& out) {
    // The deciding choice saw the final grids; choosing again with each side of the coin finds
    // its cell and tells whether the coin mattered.
    const Workspace& ws = move.player.workspace();
    const ChosenCell leftFirst = FindBestCell(ws.grids(), move.state, kCoinLeftFirst);
    const ChosenCell rightFirst = FindBestCell(ws.grids(), move.state, kCoinRightFirst);
    const ChosenCell& chosen = leftFirst.column == out.column ? leftFirst : rightFirst;
    if (out.kind == ExplanationKind::Win) writer.Write(out.text, kWinText, {out.column});
    if (out.kind == ExplanationKind::Block) writer.Write(out.text, kBlockText, {out.column});
    if (chosen.column != out.column) return;  // not the grids of this move's choice
    out.chosenCell = CellIndex(chosen.row - 1, chosen.column - 1);
    if (leftFirst.column != rightFirst.column) writer.Write(out.chance, kCoinChance, {});
    if (out.kind == ExplanationKind::BestCell) SayBestCell(move, chosen, writer, out);
    ListColumnsRuledOutByMarks(ws, chosen.score, writer, out);
}

}  // namespace tessora::explain
