#include "tools/engine/SelfPlay.h"

#include <array>
#include <chrono>
#include <ctime>

#include "ai/ComputerPlayer.h"
#include "core/Position.h"
#include "tools/engine/MoveAnalysis.h"
#include "tools/engine/SeededRandom.h"

namespace tessora::engine {

namespace {

// One side of the match: its stone value in Cells, its pipeline (none for the random mover),
// its strength and its own count of moves.
struct Side {
    int16 stone = 0;
    ComputerPlayer* player = nullptr;
    int strength = 0;
    int16 moveCount = 0;
    SideTally* tally = nullptr;
};

int RandomOpenColumn(const GameState& state, SeededRandom& random) {
    std::array<int, kColumnCount> open{};
    int count = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        if (state.ColumnState[c] != kColumnFull) open[count++] = c;
    }
    return open[random.Below(count)];
}

bool ChooseFor(Side& side, GameState& state, SeededRandom& random, int& column, Problem& problem) {
    if (side.player == nullptr) {
        column = RandomOpenColumn(state, random);
        return true;
    }
    // Each side counts its own moves, as the game counts the computer's.
    state.PlayerToMove = side.stone;
    state.MoveCount = side.moveCount;
    BeginComputerMove(state);
    side.moveCount = state.MoveCount;
    state.options.Strength = static_cast<int16>(side.strength);
    return ChooseOpenColumn(*side.player, state, column, problem);
}

// Plays one game to its end; the board is never full before a result, so it always ends.
bool PlayOneGame(Side& first, Side& second, GameState& state, SeededRandom& random,
                 long long& stones, Problem& problem) {
    SetUpEmptyPosition(state);
    first.moveCount = 0;
    second.moveCount = 0;
    ++first.tally->gamesBegun;
    std::array<char, kCellCount> moves{};
    int played = 0;
    Side* mover = &first;
    Side* other = &second;
    while (true) {
        int column = 0;
        if (!ChooseFor(*mover, state, random, column, problem)) {
            problem.message += " after " + std::string(moves.data(), played);
            return false;
        }
        const StoneOutcome verdict = PlaceStone(state, column, mover->stone);
        moves[played++] = static_cast<char>('1' + column);
        ++stones;
        if (verdict.draw) {
            ++mover->tally->draws;
            ++other->tally->draws;
            return true;
        }
        if (verdict.line != LineDirection::None) {
            ++mover->tally->wins;
            ++other->tally->losses;
            return true;
        }
        std::swap(mover, other);
    }
}

}  // namespace

bool RunSelfPlay(const SelfPlayRequest& request, SelfPlayReport& report, Problem& problem) {
    report = SelfPlayReport{};
    report.games = request.games;
    SeededRandom random(request.seed);
    ComputerPlayer playerA(random);
    ComputerPlayer playerB(random);
    Side a{kHuman, &playerA, request.strengthA, 0, &report.a};
    Side b{kComputer, request.versusRandom ? nullptr : &playerB, request.strengthB, 0, &report.b};
    GameState state;

    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int game = 0; game < request.games; ++game) {
        const bool aBegins = game % 2 == 0;
        if (!PlayOneGame(aBegins ? a : b, aBegins ? b : a, state, random, report.stones, problem)) {
            return false;
        }
    }
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    report.cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return true;
}

}  // namespace tessora::engine
