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

// Up to the computer's second move the opponent has at most two stones: no threat can exist.
constexpr int kNoThreatsUpToMoveCount = 5;
// The computer's first two moves get the random opening preference.
constexpr int kOpeningUpToMoveCount = 4;
// Five full columns leave exactly two open.
constexpr int kTwoColumnsOpen = 5;

// The lowest strength at which each optional stage runs. Below the opponent's line patterns,
// the choice follows the own side's at once.
struct StrengthFloors {
    int16 ownLinePatterns;
    int16 opponentLinePatterns;
    int16 doubtCells;
};
constexpr StrengthFloors kFrom{2, 3, kStrengthProfessional};

}  // namespace

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
    decidingStage_ = decision.column > 0 ? decision.stage : Stage::None;
    return decision.column > 0 ? decision.column : 0;
}

void ComputerPlayer::ClearWorkingState(GameState& state) {
    workspace_.grids().Clear();
    // Rows 7 and 8 are the floor and keep it.
    state.board.ClearRows(kRowCount);
    BuildBoard(state);
    workspace_.BestChoice().Clear();
}

ComputerPlayer::Decision ComputerPlayer::RunStages(int16 strength) {
    Workspace& ws = workspace_;
    const GameState& state = ws.state();
    Decision decision{0, Stage::None};
    // Logs a step that can name the column and keeps its result; true when it named one.
    const auto decides = [&](Stage stage, int16 colour, int16 column) {
        steps_.Add({stage, colour});
        decision = {column, stage};
        return column > 0;
    };
    // Logs a step that only writes the working grids.
    const auto runs = [&](Stage stage, int16 colour) { steps_.Add({stage, colour}); };

    if (state.MoveCount > kNoThreatsUpToMoveCount) {
        if (decides(Stage::ScanThreats, OwnCode, ScanThreats(ws, OwnCode)) ||
            decides(Stage::ScanThreats, OpponentCode, ScanThreats(ws, OpponentCode)) ||
            decides(Stage::LastOpenColumn, 0, LastOpenColumn(ws)) ||
            decides(Stage::BlockStackedThreats, 0, BlockStackedThreats(ws))) {
            return decision;
        }
        runs(Stage::ScanOpenTwos, OwnCode);
        ScanOpenTwos(ws, OwnCode);
        runs(Stage::ScanOpenTwos, OpponentCode);
        ScanOpenTwos(ws, OpponentCode);
        runs(Stage::RewardStackedThreats, 0);
        RewardStackedThreats(ws);
    }
    runs(Stage::ScoreTwoStoneWindows, OwnCode);
    ScoreTwoStoneWindows(ws, OwnCode);
    runs(Stage::ScoreTwoStoneWindows, OpponentCode);
    ScoreTwoStoneWindows(ws, OpponentCode);
    if (strength >= kFrom.ownLinePatterns) {
        runs(Stage::ScoreLinePatterns, OwnCode);
        ScoreLinePatterns(ws, OwnCode);
        if (strength < kFrom.opponentLinePatterns &&
            decides(Stage::ChooseBestCell, 0, ChooseBestCell(ws)))
            return decision;
    }
    if (strength >= kFrom.opponentLinePatterns) {
        runs(Stage::ScoreLinePatterns, OpponentCode);
        ScoreLinePatterns(ws, OpponentCode);
        if (decides(Stage::ChooseBestCell, 0, ChooseBestCell(ws))) return decision;
    }
    if (state.MoveCount <= kOpeningUpToMoveCount) {
        runs(Stage::RandomOpening, 0);
        RandomOpening(ws);
    }
    if (decides(Stage::ChooseBestCell, 0, ChooseBestCell(ws))) return decision;
    if (state.FullColumnCount == kTwoColumnsOpen &&
        decides(Stage::TwoColumnEndgame, 0, TwoColumnEndgame(ws))) {
        return decision;
    }
    if (strength >= kFrom.doubtCells) {
        runs(Stage::MarkDoubtCells, 0);
        MarkDoubtCells(ws, OpponentCode);
    }
    decides(Stage::FallbackColumn, 0, FallbackColumn(ws));
    return decision;
}

}  // namespace tessora
