// A hint asks the computer player what it would play in the human's place. The game must not
// notice: not its position, flags or status line, not the sounds and boxes of its window, and
// not the chances its own computer player draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "ai/explain/MoveExplainer.h"
#include "core/Game.h"
#include "platform/Random.h"
#include "tests/core/support/FakeShell.h"

namespace tessora::test {
namespace {

// What a game leaves behind: its position, its window's record and its player's draws.
struct Outcome {
    std::array<int16, kCellCount> cells{};
    std::vector<std::string> log;
    std::size_t draws = 0;
    bool operator==(const Outcome&) const = default;
};

// The human's columns 1..7; the computer answers each from a scripted source of chance.
Outcome PlayWithHints(const std::string& humanColumns, bool askForHints) {
    FakeShell shell;
    ScriptedRandom chances({0.31, 0.77, 0.52, 0.08});
    ScriptedRandom hintChances({0.93, 0.14});
    ComputerPlayer player(chances);
    MoveExplainer explainer(player, hintChances);
    Game game(shell, explainer);
    shell.Attach(game);
    game.InitSprache();
    game.options().AnimationOn = false;
    game.NewGame();
    for (const char column : humanColumns) {
        if (askForHints && game.WaitsForHuman()) {
            const GameState before = game.state();
            const std::size_t logged = shell.log.size();
            const std::string status = shell.StatusText();
            EXPECT_GT(explainer.Hint(game.state()), 0);
            EXPECT_EQ(game.state().Cells, before.Cells);
            EXPECT_EQ(game.state().MoveCount, before.MoveCount);
            EXPECT_EQ(game.state().PlayerToMove, before.PlayerToMove);
            EXPECT_EQ(shell.log.size(), logged);
            EXPECT_EQ(shell.StatusText(), status);
        }
        game.picSpielfeld_MouseUp(1, 0, 600.0f + 900.0f * static_cast<float>(column - '1'),
                                  2000.0f);
    }
    return {game.state().Cells, shell.log, chances.draws()};
}

TEST(HintInGame, LeavesTheGameAndItsPlayersChancesAsTheyWere) {
    const std::string human = "4435526613";
    const Outcome plain = PlayWithHints(human, false);
    const Outcome hinted = PlayWithHints(human, true);
    EXPECT_EQ(hinted, plain);
    EXPECT_GT(plain.draws, 0u);
}

}  // namespace
}  // namespace tessora::test
