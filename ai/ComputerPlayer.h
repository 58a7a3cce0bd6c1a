#pragma once

#include <array>

#include "ai/Stage.h"
#include "ai/Trace.h"
#include "ai/Workspace.h"
#include "core/MoveChooser.h"
#include "platform/Random.h"

namespace tessora {

// One step of a move: the stage and, for the stages that run once for each side, the side
// examined (OwnCode or OpponentCode; 0 for the others).
struct StepRun {
    Stage stage;
    int16 colour;
    bool operator==(const StepRun&) const = default;
};

// The steps of one move in the order they ran.
class StepLog {
  public:
    static constexpr int kCapacity = 24;

    void Clear() { size_ = 0; }
    void Add(StepRun step) {
        if (size_ < kCapacity) steps_[size_++] = step;
    }
    int size() const { return size_; }
    const StepRun* begin() const { return steps_.data(); }
    const StepRun* end() const { return steps_.data() + size_; }

  private:
    std::array<StepRun, kCapacity> steps_{};
    int size_ = 0;
};

// The computer player: owns its working grids and runs the fixed pipeline of stages, from
// clearing the grids to the column the stages name (the turn flow's ComputerMove does the rest:
// the status, the drop and the hand-over). The grids keep the state of the deciding stage until
// the next move, so the engine tool can show them.
class ComputerPlayer final : public MoveChooser {
  public:
    explicit ComputerPlayer(RandomSource& random);

    int16 ChooseColumn(GameState& state, YieldHook yield) override;

    // The stage that named the last move's column (None when every column was full).
    Stage decidingStage() const { return decidingStage_; }
    // The pipeline steps the last move ran, the deciding one last.
    const StepLog& stepsRun() const { return steps_; }
    const Workspace& workspace() const { return workspace_; }
    // Records every grid change of the following moves into trace (null: no trace).
    void AttachTrace(Trace* trace) { workspace_.AttachTrace(trace); }

  private:
    struct Decision {
        int16 column;
        Stage stage;
    };

    void ClearWorkingState(GameState& state);
    Decision RunStages(int16 strength);

    GameState placeholderState_{};
    Workspace workspace_;
    Stage decidingStage_ = Stage::None;
    StepLog steps_{};
};

}  // namespace tessora
