#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "tools/engine/GamePlay.h"
#include "tools/engine/MoveAnalysis.h"
#include "tools/engine/SelfPlay.h"

namespace tessora::engine {

// A JSON value whose object members keep the order they were made in, as the answers list them.
using Json = nlohmann::ordered_json;

// The answer lines of the tool, each one compact JSON object without a line end.

// {"column":N,"stage":"...","grids":{"AttackScore":[[7 values] per row, lowest row index
// first],...}} with the grids in the order AttackScore, DefenceScore, OwnThreat, FoeThreat,
// ForbiddenMark, AvoidMark, CautionMark, DoubtMark, each over its declared rows. For explain and
// hint "kind":"...","text":"..." in place of the grids, for the kind best-cell "score":N,
// "grid":"...","reasons":[{"text":"...","points":N}...], then "avoided":[{"column":N,
// "text":"..."}...] and "chance":"..." when a draw decided. With the trace asked for, a "trace"
// list follows, one object per grid change in the order they happened.
std::string MoveAnswerJson(const MoveOutcome& outcome, const MoveRequest& request);

// {"moves":"...","result":"..."}
std::string PlayAnswerJson(const PlayOutcome& outcome);

// {"games":N,"a":{...},"b":{...},"stones":N,"seconds":S,"gamesPerSecond":G,"cpuSeconds":C,
// "gamesPerCpuSecond":P}; each side with its strength ("random" for the random mover), wins,
// draws, losses and games begun.
std::string SelfPlayReportJson(const SelfPlayRequest& request, const SelfPlayReport& report);

// {"error":"..."}
std::string ErrorJson(std::string_view message);

}  // namespace tessora::engine
