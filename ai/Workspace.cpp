#include "ai/Workspace.h"

namespace tessora {

const char* StageName(StageId stage) {
    switch (stage) {
        case StageId::None:
            return "None";
        case StageId::ScanThreats:
            return "ScanThreats";
        case StageId::ScanOpenTwos:
            return "ScanOpenTwos";
        case StageId::ScoreTwoStoneWindows:
            return "ScoreTwoStoneWindows";
        case StageId::ScoreLinePatterns:
            return "ScoreLinePatterns";
        case StageId::MarkDoubtCells:
            return "MarkDoubtCells";
        case StageId::RandomOpening:
            return "RandomOpening";
        case StageId::RewardStackedThreats:
            return "RewardStackedThreats";
    }
    return "?";
}

void Workspace::Record(const Grid& grid, int row, int column, int16 before, int16 after) {
    trace_->push_back(TraceRecord{origin_, grid.id(), row, column, before, after});
}

}  // namespace tessora
