#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/GameState.h"

namespace tessora::engine {

enum class FirstPlayer { Human, Computer };

// The two sides by the names requests give them, in the order of FirstPlayer.
constexpr std::array<std::string_view, 2> kFirstPlayerNames{"human", "computer"};

// The side called name; false for a name that is neither.
bool FirstPlayerNamed(std::string_view name, FirstPlayer& out);

// The stone owner for a side: kHuman or kComputer.
constexpr int16 StoneOf(FirstPlayer player) {
    return player == FirstPlayer::Human ? kHuman : kComputer;
}

// The most draws one request may script.
constexpr std::size_t kMaxDraws = 10000;

// The checks of request values that the command line and the batch share: each gives a
// one-line reason when the value is not acceptable and an empty text when it is.
// Columns: digits 1-7, at most 42 of them (none is allowed).
std::string ColumnsProblem(std::string_view columns);
// Draws: one to kMaxDraws of them, each in [0, 1).
std::string DrawsProblem(const std::vector<double>& draws);

// What every request that plays from a position gives besides its columns.
struct GameSetting {
    FirstPlayer first = FirstPlayer::Human;
    int strength = kDefaultStrength;
    std::vector<double> random;  // the scripted draws, cycling; each in [0, 1)
};

// What a move request asks, and the commands that ask it: the choice with its grids, the choice
// explained, or a hint (the human to move: the same player's choice in the human's place).
enum class MoveQuestion { Move, Explain, Hint };
constexpr std::array<std::string_view, 3> kMoveQuestionNames{"move", "explain", "hint"};

// The computer's choice in one position, given as the columns played so far (digits 1-7,
// the first stone first).
struct MoveRequest : GameSetting {
    std::string moves;
    bool trace = false;
    MoveQuestion question = MoveQuestion::Move;
};

// A whole game: the human's columns in order, the computer's from the computer player, whose
// draws run on from move to move.
struct PlayRequest : GameSetting {
    std::string human;
};

// The requests a batch line can hold.
using Request = std::variant<MoveRequest, PlayRequest>;

// The computer player against itself or against a random mover.
struct SelfPlayRequest {
    int games = 0;
    int strengthA = 0;
    int strengthB = 0;  // unused against the random mover
    std::uint64_t seed = 0;
    bool versusRandom = false;
};

// Requests read one per line from standard input.
struct BatchRequest {};

// A text to print as it is: the usage or the version.
struct TextRequest {
    std::string text;
};

// What one run of the tool is asked to do.
using Invocation = std::variant<Request, SelfPlayRequest, BatchRequest, TextRequest>;

}  // namespace tessora::engine
