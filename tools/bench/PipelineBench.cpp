// The computer player's whole pipeline per strength on fixed sets of positions.
#include <benchmark/benchmark.h>

#include "Positions.h"
#include "ai/ComputerPlayer.h"
#include "platform/Random.h"

namespace tessora::bench {
namespace {

enum Phase { kOpening, kMiddle, kEnd };

const std::vector<GameState>& PositionSet(Phase phase) {
    static const std::vector<GameState> opening = MakePositions(64, 1, 7, 11);
    static const std::vector<GameState> middle = MakePositions(64, 13, 21, 12);
    static const std::vector<GameState> end = MakePositions(64, 29, 37, 13);
    return phase == kOpening ? opening : phase == kMiddle ? middle : end;
}

// One computer move per iteration, cycling through the set; the yield hook does nothing.
void BM_ComputerMove(benchmark::State& bm) {
    const auto phase = static_cast<Phase>(bm.range(0));
    const auto strength = static_cast<int16>(bm.range(1));
    std::vector<GameState> positions = PositionSet(phase);
    for (GameState& s : positions)
        s.options.Strength = strength;
    ScriptedRandom random({0.13, 0.58, 0.91, 0.27, 0.74, 0.42, 0.05});
    ComputerPlayer player(random);
    std::size_t next = 0;
    for (auto _ : bm) {
        GameState& s = positions[next];
        next = (next + 1) % positions.size();
        benchmark::DoNotOptimize(player.ChooseColumn(s, YieldHook{}));
    }
}

void PhasesAndStrengths(benchmark::internal::Benchmark* b) {
    b->ArgNames({"phase", "strength"});
    for (int phase : {kOpening, kMiddle, kEnd}) {
        for (int strength : {1, 3, 4})
            b->Args({phase, strength});
    }
}
BENCHMARK(BM_ComputerMove)->Apply(PhasesAndStrengths);

}  // namespace
}  // namespace tessora::bench
