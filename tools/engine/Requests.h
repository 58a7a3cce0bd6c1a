#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tessora::engine {

enum class FirstPlayer { Human, Computer };

// The computer's choice in one position, given as the columns played so far (digits 1-7,
// the first stone first).
struct MoveRequest {
    std::string moves;
    FirstPlayer first = FirstPlayer::Human;
    int strength = 3;
    std::vector<double> random;  // the scripted draws, cycling; each in [0, 1)
    bool trace = false;
};

// A whole game: the human's columns in order, the computer's from the computer player.
struct PlayRequest {
    std::string human;
    FirstPlayer first = FirstPlayer::Human;
    int strength = 3;
    std::vector<double> random;  // one scripted sequence for the whole game
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

// The usage text.
struct HelpRequest {};

// The version line.
struct VersionRequest {};

// What one run of the tool is asked to do.
using Invocation = std::variant<MoveRequest, PlayRequest, SelfPlayRequest, BatchRequest,
                                HelpRequest, VersionRequest>;

}  // namespace tessora::engine
