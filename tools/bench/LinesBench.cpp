// The four-in-a-row tests on full boards without a line: the worst case, every window looked at.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "Positions.h"
#include "core/Game.h"

namespace tessora::bench {
namespace {

// A window that does nothing: these tests draw and say nothing when no line is found.
class NullShell final : public Shell {
  public:
    void DoEvents() override {}
    void WaitForEvents(int) override {}
    double Timer() override { return 0.0; }
    void SetStatusText(std::string_view) override {}
    std::string StatusText() const override { return {}; }
    void SetStatusVisible(bool) override {}
    void SetMousePointer(Pointer) override {}
    int MessageBox(std::string_view, std::string_view, int) override { return mb::kAnswerOk; }
    void PlaySound(Sound) override {}
    PixelView Surface(Picture) override { return {}; }
    void RefreshBoard() override {}
    void RestoreBoardPicture() override {}
    void RefreshWindow() override {}
    void SetFallTimerEnabled(bool) override {}
    bool FallTimerEnabled() const override { return false; }
    bool ComputerBegins() const override { return false; }
};

class NoMoves final : public MoveChooser {
  public:
    int16 ChooseColumn(GameState&, YieldHook) override { return 0; }
};

// One game per full board, so an iteration measures the test alone, not a board copy.
struct FullBoardGames {
    NullShell shell;
    NoMoves chooser;
    std::vector<std::unique_ptr<Game>> games;

    FullBoardGames() {
        for (const GameState& board : MakeFullBoards(64, 21)) {
            games.push_back(std::make_unique<Game>(shell, chooser));
            games.back()->state() = board;
        }
    }
};

// Runs test(game) once per iteration, on the next full board each time.
template <typename Test>
void OnEveryFullBoard(benchmark::State& bm, Test test) {
    FullBoardGames set;
    std::size_t next = 0;
    for (auto _ : bm) {
        test(*set.games[next]);
        next = (next + 1) % set.games.size();
    }
}

void BM_HasFourOnBoard(benchmark::State& bm) {
    OnEveryFullBoard(bm, [](Game& game) {
        int16 result = 0;
        game.HasFourOnBoard(result);
        benchmark::DoNotOptimize(result);
    });
}
BENCHMARK(BM_HasFourOnBoard);

void BM_CheckFour(benchmark::State& bm) {
    OnEveryFullBoard(bm, [](Game& game) {
        game.CheckFour(CodeComputer);
        benchmark::DoNotOptimize(game.flags().FourFound);
    });
}
BENCHMARK(BM_CheckFour);

}  // namespace
}  // namespace tessora::bench
