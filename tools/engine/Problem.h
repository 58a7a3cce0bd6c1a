#pragma once

#include <string>

namespace tessora::engine {

// Why a request got no answer: the request itself was bad, or the computer player broke a
// rule of the game (named no open column), which is a fault of the program, not the request.
struct Problem {
    enum class Kind { BadInput, EngineFault };
    Kind kind = Kind::BadInput;
    std::string message;
};

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;
constexpr int kExitEngineFault = 3;

inline int ExitStatusFor(const Problem& problem) {
    return problem.kind == Problem::Kind::BadInput ? kExitBadInput : kExitEngineFault;
}

}  // namespace tessora::engine
