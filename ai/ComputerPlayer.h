#pragma once

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

// The computer player: owns its working grids and runs the fixed pipeline of stages (steps 3
// to 6 of the computer's move). The grids keep the state of the deciding stage until the next
// move, so the engine tool can show them.
class ComputerPlayer final : public MoveChooser {
public:
    explicit ComputerPlayer(RandomSource& random);

    int16 ChooseColumn(GameState& state, YieldHook yield) override;

    DecidingStage decidingStage() const { return decidingStage_; }
    const Workspace& workspace() const { return workspace_; }
    // Records every grid change of the following moves into trace (null: no trace).
    void AttachTrace(Trace* trace) { workspace_.AttachTrace(trace); }

private:
    GameState placeholderState_{};
    Workspace workspace_;
    DecidingStage decidingStage_ = DecidingStage::None;
};

}  // namespace tessora
