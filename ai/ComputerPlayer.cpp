#include "ai/ComputerPlayer.h"

namespace tessora {

const char* DecidingStageName(DecidingStage stage) {
    switch (stage) {
        case DecidingStage::None: return "None";
        case DecidingStage::ScanThreats: return "ScanThreats";
        case DecidingStage::LastOpenColumn: return "LastOpenColumn";
        case DecidingStage::BlockStackedThreats: return "BlockStackedThreats";
        case DecidingStage::ChooseBestCell: return "ChooseBestCell";
        case DecidingStage::TwoColumnEndgame: return "TwoColumnEndgame";
        case DecidingStage::FallbackColumn: return "FallbackColumn";
    }
    return "?";
}

ComputerPlayer::ComputerPlayer(RandomSource& random)
    : workspace_(placeholderState_, random, YieldHook{}) {}

// Placeholder until the pipeline lands: the leftmost open column.
int16 ComputerPlayer::ChooseColumn(GameState& state, YieldHook /*yield*/) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (state.ColumnState[i] != kColumnFull) {
            decidingStage_ = DecidingStage::FallbackColumn;
            return static_cast<int16>(kFirstColumnCode + i);
        }
    }
    decidingStage_ = DecidingStage::None;
    return 0;
}

}  // namespace tessora
