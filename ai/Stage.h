#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessora {

// The computer player's stages in pipeline order: the ones that can name the column and the
// ones that only write the working grids. None is the stage of a move that found no column.
enum class Stage : std::uint8_t {
    None,
    ScanThreats,
    LastOpenColumn,
    BlockStackedThreats,
    ScanOpenTwos,
    RewardStackedThreats,
    ScoreTwoStoneWindows,
    ScoreLinePatterns,
    RandomOpening,
    ChooseBestCell,
    TwoColumnEndgame,
    MarkDoubtCells,
    FallbackColumn
};

// Each stage with the name the engine's answers and traces show, in the order of Stage.
struct StageEntry {
    Stage stage;
    const char* name;
};
inline constexpr std::array kStages{
    StageEntry{Stage::None, "None"},
    StageEntry{Stage::ScanThreats, "ScanThreats"},
    StageEntry{Stage::LastOpenColumn, "LastOpenColumn"},
    StageEntry{Stage::BlockStackedThreats, "BlockStackedThreats"},
    StageEntry{Stage::ScanOpenTwos, "ScanOpenTwos"},
    StageEntry{Stage::RewardStackedThreats, "RewardStackedThreats"},
    StageEntry{Stage::ScoreTwoStoneWindows, "ScoreTwoStoneWindows"},
    StageEntry{Stage::ScoreLinePatterns, "ScoreLinePatterns"},
    StageEntry{Stage::RandomOpening, "RandomOpening"},
    StageEntry{Stage::ChooseBestCell, "ChooseBestCell"},
    StageEntry{Stage::TwoColumnEndgame, "TwoColumnEndgame"},
    StageEntry{Stage::MarkDoubtCells, "MarkDoubtCells"},
    StageEntry{Stage::FallbackColumn, "FallbackColumn"},
};

constexpr bool StagesInOrder() {
    for (std::size_t i = 0; i < kStages.size(); ++i) {
        if (static_cast<std::size_t>(kStages[i].stage) != i) return false;
    }
    return static_cast<std::size_t>(Stage::FallbackColumn) + 1 == kStages.size();
}
static_assert(StagesInOrder(), "kStages must list every stage once, in the order of Stage");

constexpr const char* StageName(Stage stage) {
    return kStages[static_cast<std::size_t>(stage)].name;
}

}  // namespace tessora
