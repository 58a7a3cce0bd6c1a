#pragma once

#include "tools/engine/Problem.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// One side's results over a self-play run.
struct SideTally {
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int gamesBegun = 0;  // games in which this side had the first stone
};

struct SelfPlayReport {
    int games = 0;
    SideTally a;
    SideTally b;
    long long stones = 0;     // stones played over all games
    double seconds = 0.0;     // wall-clock time of the games
    double cpuSeconds = 0.0;  // processor time of the games, steadier on a busy machine
};

// Plays request.games games of side A (the computer player at strength A) against side B (the
// computer player at strength B, or a uniformly random legal mover). A begins the even-
// numbered games, B the odd ones. Each pipeline sees its own side as the side to move and
// keeps its own MoveCount; all chance comes from one generator seeded with request.seed, so a
// run is reproducible. Fails only when a pipeline names no open column (an engine fault,
// reported with the game's moves).
bool RunSelfPlay(const SelfPlayRequest& request, SelfPlayReport& report, Problem& problem);

}  // namespace tessora::engine
