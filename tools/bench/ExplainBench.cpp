// What explaining a move costs: the same computer moves plain, and with the trace attached and
// the explanation built (the game with its explanation panel on).
#include <benchmark/benchmark.h>

#include "Positions.h"
#include "ai/ComputerPlayer.h"
#include "ai/explain/MoveExplainer.h"
#include "platform/Random.h"

namespace tessora::bench {
namespace {

const std::vector<GameState>& ExplainPositions(int phase) {
    static const std::vector<GameState> opening = MakePositions(64, 1, 7, 21);
    static const std::vector<GameState> middle = MakePositions(64, 13, 21, 22);
    static const std::vector<GameState> end = MakePositions(64, 29, 37, 23);
    return phase == 0 ? opening : phase == 1 ? middle : end;
}

// One computer move per iteration, cycling through the set; explained when asked.
void RunMoves(benchmark::State& bm, bool explained) {
    std::vector<GameState> positions = ExplainPositions(static_cast<int>(bm.range(0)));
    for (GameState& s : positions)
        s.options.Strength = static_cast<int16>(bm.range(1));
    ScriptedRandom random({0.13, 0.58, 0.91, 0.27, 0.74, 0.42, 0.05});
    ScriptedRandom hintRandom({0.5});
    ComputerPlayer player(random);
    MoveExplainer explainer(player, hintRandom);
    MoveChooser& chooser = explained ? static_cast<MoveChooser&>(explainer) : player;
    std::size_t next = 0;
    for (auto _ : bm) {
        GameState& s = positions[next];
        next = (next + 1) % positions.size();
        benchmark::DoNotOptimize(chooser.ChooseColumn(s, YieldHook{}));
    }
}

void BM_MovePlain(benchmark::State& bm) {
    RunMoves(bm, false);
}
void BM_MoveExplained(benchmark::State& bm) {
    RunMoves(bm, true);
}

void PhasesAndStrengths(benchmark::internal::Benchmark* b) {
    b->ArgNames({"phase", "strength"});
    for (int phase : {0, 1, 2}) {
        for (int strength : {1, 4})
            b->Args({phase, strength});
    }
}
BENCHMARK(BM_MovePlain)->Apply(PhasesAndStrengths);
BENCHMARK(BM_MoveExplained)->Apply(PhasesAndStrengths);

// A hint: the swapped position, the hint's own move with its trace, and its explanation.
void BM_Hint(benchmark::State& bm) {
    const std::vector<GameState>& positions = ExplainPositions(1);
    ScriptedRandom random({0.5});
    ScriptedRandom hintRandom({0.13, 0.58, 0.91, 0.27, 0.74, 0.42, 0.05});
    ComputerPlayer player(random);
    MoveExplainer explainer(player, hintRandom);
    std::size_t next = 0;
    for (auto _ : bm) {
        benchmark::DoNotOptimize(explainer.Hint(positions[next]));
        next = (next + 1) % positions.size();
    }
}
BENCHMARK(BM_Hint);

}  // namespace
}  // namespace tessora::bench
