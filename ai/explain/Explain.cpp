#include "ai/explain/Explain.h"

#include "ai/explain/KindExplanations.h"
#include "ai/explain/Miniature.h"

namespace tessora::explain {
namespace {

void Clear(bool hint, Explanation& out) {
    out.column = 0;
    out.hint = hint;
    out.kind = ExplanationKind::BestCell;
    out.headline.clear();
    out.text.clear();
    out.score = 0;
    out.grid = "";
    out.reasonCount = 0;
    out.avoidedCount = 0;
    out.chance.clear();
    out.ratings.fill(0);
    out.marks.fill(CellMark::None);
    out.chosenCell = -1;
}

// The threat scan ends with a best-cell choice over the threat points: its own-side call names
// a win, its opponent-side call a block.
ExplanationKind KindOf(const ComputerPlayer& player) {
    switch (player.decidingStage()) {
        case Stage::ScanThreats: {
            const StepLog& steps = player.stepsRun();
            const bool own = steps.size() > 0 && steps.end()[-1].colour == OwnCode;
            return own ? ExplanationKind::Win : ExplanationKind::Block;
        }
        case Stage::LastOpenColumn:
            return ExplanationKind::LastColumn;
        case Stage::BlockStackedThreats:
            return ExplanationKind::Stacked;
        case Stage::TwoColumnEndgame:
            return ExplanationKind::Endgame;
        case Stage::FallbackColumn:
            return ExplanationKind::Fallback;
        default:
            break;
    }
    return ExplanationKind::BestCell;
}

}  // namespace

void Explain(const ChosenMove& move, bool hint, const TranslateFunction& translate,
             Explanation& out) {
    Clear(hint, out);
    const Stage stage = move.player.decidingStage();
    out.stage = StageName(stage);
    if (stage == Stage::None || !IsColumnCode(move.code)) return;
    out.column = ColumnOfCode(move.code) + 1;
    out.kind = KindOf(move.player);
    const Writer writer(hint, translate);
    writer.Write(out.headline, kHeadline, {out.column});
    switch (out.kind) {
        case ExplanationKind::Win:
        case ExplanationKind::Block:
        case ExplanationKind::BestCell:
            ExplainBestCellChoice(move, writer, out);
            break;
        case ExplanationKind::Stacked:
            ExplainStackedThreats(writer, out);
            break;
        case ExplanationKind::LastColumn:
            ExplainLastColumn(writer, out);
            break;
        case ExplanationKind::Endgame:
            ExplainTwoColumnEndgame(move, writer, out);
            break;
        case ExplanationKind::Fallback:
            ExplainFallbackColumn(move, writer, out);
            break;
    }
    FillMiniature(move.player.workspace().grids(), out);
}

}  // namespace tessora::explain
