#pragma once

#include <array>
#include <cstdint>

#include "ai/Trace.h"
#include "ai/Workspace.h"
#include "core/MoveChooser.h"
#include "platform/Random.h"

namespace tessora {

// The procedures that can name the computer's column.
enum class DecidingStage : std::uint8_t {
    None,
    ScanThreats,
    LastOpenColumn,
    BlockStackedThreats,
    ChooseBestCell,
    TwoColumnEndgame,
    FallbackColumn
};

const char* DecidingStageName(DecidingStage stage);

// Every step of the pipeline, own and opponent passes apart, to record which ones ran.
enum class PipelineStep : std::uint8_t {
    ScanThreatsOwn,
    ScanThreatsOpponent,
    LastOpenColumn,
    BlockStackedThreats,
    ScanOpenTwosOwn,
    ScanOpenTwosOpponent,
    RewardStackedThreats,
    ScoreTwoStoneWindowsOwn,
    ScoreTwoStoneWindowsOpponent,
    ScoreLinePatternsOwn,
    ScoreLinePatternsOpponent,
    RandomOpening,
    ChooseBestCell,
    TwoColumnEndgame,
    MarkDoubtCells,
    FallbackColumn
};

const char* PipelineStepName(PipelineStep step);

// The steps of one move in the order they ran.
class StepLog {
  public:
    static constexpr int kCapacity = 24;

    void Clear() { size_ = 0; }
    void Add(PipelineStep step) {
        if (size_ < kCapacity) steps_[size_++] = step;
    }
    int size() const { return size_; }
    const PipelineStep* begin() const { return steps_.data(); }
    const PipelineStep* end() const { return steps_.data() + size_; }

  private:
    std::array<PipelineStep, kCapacity> steps_{};
    int size_ = 0;
};

// The computer player: owns its working grids and runs the fixed pipeline of stages (steps 3
// to 6 of the computer's move). The grids keep the state of the deciding stage until the next
// move, so the engine tool can show them.
class ComputerPlayer final : public MoveChooser {
  public:
    explicit ComputerPlayer(RandomSource& random);

    int16 ChooseColumn(GameState& state, YieldHook yield) override;

    DecidingStage decidingStage() const { return decidingStage_; }
    // The pipeline steps the last move ran, the deciding one last.
    const StepLog& stepsRun() const { return steps_; }
    const Workspace& workspace() const { return workspace_; }
    // Records every grid change of the following moves into trace (null: no trace).
    void AttachTrace(Trace* trace) { workspace_.AttachTrace(trace); }

  private:
    struct Decision {
        int16 column;
        DecidingStage stage;
    };

    void ClearWorkingState(GameState& state);
    Decision RunStages(int16 strength);

    GameState placeholderState_{};
    Workspace workspace_;
    DecidingStage decidingStage_ = DecidingStage::None;
    StepLog steps_{};
};

}  // namespace tessora
