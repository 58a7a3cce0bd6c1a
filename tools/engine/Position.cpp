#include "tools/engine/Position.h"

#include <array>

namespace tessora::engine {

const char* DirectionName(LineDirection direction) {
    constexpr std::array<const char*, 4> kNames{"none", "horizontal", "vertical", "diagonal"};
    return kNames[static_cast<std::size_t>(direction)];
}

std::string SideName(int16 stone) {
    return std::string(kFirstPlayerNames[stone == kHuman ? 0 : 1]);
}

bool BuildComputerPosition(std::string_view moves, FirstPlayer first, int strength,
                           GameState& state, std::string& error) {
    SetUpEmptyPosition(state);
    state.GameRestarted = 0;
    const MovesOutcome played = PlayMoves(state, moves, StoneOf(first));
    // The move that stopped the position, by its place in the string.
    const auto where = [&moves](int index) {
        return "stone " + std::to_string(index + 1) + " (column " +
               std::to_string(moves[static_cast<std::size_t>(index)] - '0') + ")";
    };
    switch (played.stop) {
        case MovesOutcome::Stop::NotAColumn:
            error = where(played.played) + " is not a column 1-7";
            return false;
        case MovesOutcome::Stop::FullColumn:
            error = where(played.played) + " goes into a full column";
            return false;
        case MovesOutcome::Stop::GameOver: {
            if (played.last.draw) {
                error = "the game is over: the board is full";
                return false;
            }
            const int16 mover = played.nextStone == kHuman ? kComputer : kHuman;
            error = "the game is over: " + where(played.played - 1) + " gives the " +
                    SideName(mover) + " a " + DirectionName(played.last.line) + " line";
            return false;
        }
        case MovesOutcome::Stop::None:
            break;
    }
    if (played.nextStone != kComputer) {
        error = "the human is to move after " + std::to_string(moves.size()) + " stones with the " +
                SideName(StoneOf(first)) + " beginning; the computer must be to move";
        return false;
    }
    LetComputerMove(state, played.computerStones);
    state.options.Strength = static_cast<int16>(strength);
    return true;
}

}  // namespace tessora::engine
