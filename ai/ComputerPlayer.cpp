#include "ai/ComputerPlayer.h"

#include "ai/BestCell.h"
#include "ai/FallbackColumn.h"
#include "ai/LastOpenColumn.h"
#include "ai/StackedThreats.h"
#include "ai/TwoColumnEndgame.h"
#include "ai/doubt/MarkDoubtCells.h"
#include "ai/linepatterns/ScoreLinePatterns.h"
#include "ai/opening/RandomOpening.h"
#include "ai/opentwos/ScanOpenTwos.h"
#include "ai/threats/ScanThreats.h"
#include "ai/twostone/ScoreTwoStoneWindows.h"

namespace tessora {
namespace {

// The working grids in the order they are cleared, with the number of rows cleared from row 1.
struct GridClear {
    GridId grid;
    int rows;
};
constexpr std::array<GridClear, kGridCount> kClearOrder{{
    {GridId::AttackScore, 8},
    {GridId::DefenceScore, 8},
    {GridId::ForbiddenMark, 9},
    {GridId::DoubtMark, 6},
    {GridId::AvoidMark, 8},
    {GridId::CautionMark, 8},
    {GridId::OwnThreat, 10},
    {GridId::FoeThreat, 9},
}};

// Up to the computer's second move the opponent has at most two stones: no threat can exist.
constexpr int kNoThreatsUpToMoveCount = 5;
// The computer's first two moves get the random opening preference.
constexpr int kOpeningUpToMoveCount = 4;
// Five full columns leave exactly two open.
constexpr int kTwoColumnsOpen = 5;

}  // namespace

const char* DecidingStageName(DecidingStage stage) {
    switch (stage) {
        case DecidingStage::None:
            return "None";
        case DecidingStage::ScanThreats:
            return "ScanThreats";
        case DecidingStage::LastOpenColumn:
            return "LastOpenColumn";
        case DecidingStage::BlockStackedThreats:
            return "BlockStackedThreats";
        case DecidingStage::ChooseBestCell:
            return "ChooseBestCell";
        case DecidingStage::TwoColumnEndgame:
            return "TwoColumnEndgame";
        case DecidingStage::FallbackColumn:
            return "FallbackColumn";
    }
    return "?";
}

const char* PipelineStepName(PipelineStep step) {
    switch (step) {
        case PipelineStep::ScanThreatsOwn:
            return "ScanThreats(own)";
        case PipelineStep::ScanThreatsOpponent:
            return "ScanThreats(opponent)";
        case PipelineStep::LastOpenColumn:
            return "LastOpenColumn";
        case PipelineStep::BlockStackedThreats:
            return "BlockStackedThreats";
        case PipelineStep::ScanOpenTwosOwn:
            return "ScanOpenTwos(own)";
        case PipelineStep::ScanOpenTwosOpponent:
            return "ScanOpenTwos(opponent)";
        case PipelineStep::RewardStackedThreats:
            return "RewardStackedThreats";
        case PipelineStep::ScoreTwoStoneWindowsOwn:
            return "ScoreTwoStoneWindows(own)";
        case PipelineStep::ScoreTwoStoneWindowsOpponent:
            return "ScoreTwoStoneWindows(opponent)";
        case PipelineStep::ScoreLinePatternsOwn:
            return "ScoreLinePatterns(own)";
        case PipelineStep::ScoreLinePatternsOpponent:
            return "ScoreLinePatterns(opponent)";
        case PipelineStep::RandomOpening:
            return "RandomOpening";
        case PipelineStep::ChooseBestCell:
            return "ChooseBestCell";
        case PipelineStep::TwoColumnEndgame:
            return "TwoColumnEndgame";
        case PipelineStep::MarkDoubtCells:
            return "MarkDoubtCells";
        case PipelineStep::FallbackColumn:
            return "FallbackColumn";
    }
    return "?";
}

ComputerPlayer::ComputerPlayer(RandomSource& random)
    : workspace_(placeholderState_, random, YieldHook{}) {}

int16 ComputerPlayer::ChooseColumn(GameState& state, YieldHook yield) {
    // The strength may change while the move yields to the window; it applies from the next move.
    const int16 strength = state.options.Strength;
    workspace_.Rebind(state);
    workspace_.SetYield(yield);
    steps_.Clear();
    ClearWorkingState(state);
    // The last stage names a column whenever one is open, so the pipeline runs once; with a full
    // board it finds none and there is nothing to play.
    const Decision decision = RunStages(strength);
    decidingStage_ = decision.column > 0 ? decision.stage : DecidingStage::None;
    return decision.column > 0 ? decision.column : 0;
}

void ComputerPlayer::ClearWorkingState(GameState& state) {
    Grids& grids = workspace_.grids();
    for (const GridClear& clear : kClearOrder) {
        grids.get(clear.grid).Clear(clear.rows);
    }
    // Rows 7 and 8 are the floor and keep it.
    state.board.ClearRows(kRowCount);
    BuildBoard(state);
    workspace_.BestChoice()[0] = 0;
    workspace_.BestChoice()[1] = 0;
}

ComputerPlayer::Decision ComputerPlayer::RunStages(int16 strength) {
    Workspace& ws = workspace_;
    const GameState& state = ws.state();
    int16 column = 0;
    // Logs a step that can name the column and keeps its result; true when it named one.
    const auto decides = [&](PipelineStep step, int16 result) {
        steps_.Add(step);
        column = result;
        return column > 0;
    };

    if (state.MoveCount > kNoThreatsUpToMoveCount) {
        if (decides(PipelineStep::ScanThreatsOwn, ScanThreats(ws, OwnCode)) ||
            decides(PipelineStep::ScanThreatsOpponent, ScanThreats(ws, OpponentCode))) {
            return {column, DecidingStage::ScanThreats};
        }
        if (decides(PipelineStep::LastOpenColumn, LastOpenColumn(ws))) {
            return {column, DecidingStage::LastOpenColumn};
        }
        if (decides(PipelineStep::BlockStackedThreats, BlockStackedThreats(ws))) {
            return {column, DecidingStage::BlockStackedThreats};
        }
        steps_.Add(PipelineStep::ScanOpenTwosOwn);
        ScanOpenTwos(ws, OwnCode);
        steps_.Add(PipelineStep::ScanOpenTwosOpponent);
        ScanOpenTwos(ws, OpponentCode);
        steps_.Add(PipelineStep::RewardStackedThreats);
        RewardStackedThreats(ws);
    }
    steps_.Add(PipelineStep::ScoreTwoStoneWindowsOwn);
    ScoreTwoStoneWindows(ws, OwnCode);
    steps_.Add(PipelineStep::ScoreTwoStoneWindowsOpponent);
    ScoreTwoStoneWindows(ws, OpponentCode);
    if (strength > 1) {
        steps_.Add(PipelineStep::ScoreLinePatternsOwn);
        ScoreLinePatterns(ws, OwnCode);
        if (strength < 3 && decides(PipelineStep::ChooseBestCell, ChooseBestCell(ws))) {
            return {column, DecidingStage::ChooseBestCell};
        }
    }
    if (strength > 2) {
        steps_.Add(PipelineStep::ScoreLinePatternsOpponent);
        ScoreLinePatterns(ws, OpponentCode);
        if (decides(PipelineStep::ChooseBestCell, ChooseBestCell(ws))) {
            return {column, DecidingStage::ChooseBestCell};
        }
    }
    if (state.MoveCount <= kOpeningUpToMoveCount) {
        steps_.Add(PipelineStep::RandomOpening);
        RandomOpening(ws);
    }
    if (decides(PipelineStep::ChooseBestCell, ChooseBestCell(ws))) {
        return {column, DecidingStage::ChooseBestCell};
    }
    if (state.FullColumnCount == kTwoColumnsOpen &&
        decides(PipelineStep::TwoColumnEndgame, TwoColumnEndgame(ws))) {
        return {column, DecidingStage::TwoColumnEndgame};
    }
    if (strength > 3) {
        steps_.Add(PipelineStep::MarkDoubtCells);
        MarkDoubtCells(ws, OpponentCode);
    }
    decides(PipelineStep::FallbackColumn, FallbackColumn(ws));
    return {column, DecidingStage::FallbackColumn};
}

}  // namespace tessora
