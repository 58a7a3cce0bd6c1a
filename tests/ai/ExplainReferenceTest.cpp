// Every stored reference move explained: the explanation names the stored column and stage, and
// a hint in the same position with the other side beginning (the same player in the human's
// place) gives the same answer.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ai/explain/MoveExplainer.h"
#include "core/Position.h"

namespace tessora::explain::reference_test {
namespace {

// One stored move: its request (in the engine's batch form) and the stored column and stage.
struct StoredMove {
    int line = 0;
    std::string moves;
    bool humanFirst = true;
    int16 strength = kDefaultStrength;
    std::vector<double> draws;
    int column = 0;
    std::string stage;
};

std::vector<StoredMove> ReadStoredMoves() {
    std::ifstream file(std::string(TESSORA_TEST_DATA_DIR) + "/moves.jsonl");
    std::vector<StoredMove> stored;
    std::string text;
    while (std::getline(file, text)) {
        const nlohmann::json line = nlohmann::json::parse(text);
        const nlohmann::json& request = line.at("request");
        StoredMove move;
        move.line = static_cast<int>(stored.size()) + 1;
        move.moves = request.at("moves").get<std::string>();
        move.humanFirst = request.at("first").get<std::string>() == "human";
        move.strength = request.at("strength").get<int16>();
        move.draws = request.at("random").get<std::vector<double>>();
        move.column = line.at("answer").at("column").get<int>();
        move.stage = line.at("answer").at("stage").get<std::string>();
        stored.push_back(std::move(move));
    }
    return stored;
}

// The stored position with the computer to move, or the same stones with the other side
// beginning: then the human is to move, as in the game.
GameState Position(const StoredMove& move, bool sidesSwapped) {
    const int16 first = move.humanFirst != sidesSwapped ? kHuman : kComputer;
    GameState state;
    std::string error;
    EXPECT_TRUE(BuildPosition(move.moves, first, sidesSwapped ? kHuman : kComputer, move.strength,
                              state, error))
        << "moves.jsonl:" << move.line << ": " << error;
    return state;
}

void ExpectNamesTheColumn(const Explanation& e, const std::string& where) {
    const std::string spalte = "Spalte " + std::to_string(e.column);
    EXPECT_NE(e.headline.find(spalte), std::string::npos) << where;
    EXPECT_NE(e.text.find(spalte), std::string::npos) << where << ": " << e.text;
}

void ExpectReasonsWithinTheScore(const Explanation& e, const std::string& where) {
    if (e.kind != ExplanationKind::BestCell) return;
    EXPECT_GT(e.score, 0) << where;
    EXPECT_LE(e.reasonCount, Explanation::kMostReasons) << where;
    int sum = 0;
    for (int i = 0; i < e.reasonCount; ++i) {
        EXPECT_GT(e.reasons[i].points, 0) << where;
        if (i > 0) {
            EXPECT_LE(e.reasons[i].points, e.reasons[i - 1].points) << where;
        }
        sum += e.reasons[i].points;
    }
    EXPECT_LE(sum, e.score) << where;
    EXPECT_GE(e.reasonCount, 1) << where;
}

TEST(ExplainReference, EveryStoredMoveIsExplainedWithItsColumnAndStage) {
    const std::vector<StoredMove> stored = ReadStoredMoves();
    ASSERT_EQ(stored.size(), 960u);
    ScriptedRandom unused({0.5});
    for (const StoredMove& move : stored) {
        const std::string where = "moves.jsonl:" + std::to_string(move.line);
        GameState state = Position(move, false);
        ScriptedRandom random(move.draws);
        ComputerPlayer player(random);
        MoveExplainer explainer(player, unused);
        explainer.ChooseColumn(state, YieldHook{});
        const Explanation& e = explainer.lastMove();
        EXPECT_EQ(e.column, move.column) << where;
        EXPECT_EQ(e.stage, move.stage) << where;
        ExpectNamesTheColumn(e, where);
        ExpectReasonsWithinTheScore(e, where);
    }
}

TEST(ExplainReference, AHintIsTheStoredMoveWithTheOtherSideBeginning) {
    ScriptedRandom gameRandom({0.5});
    ComputerPlayer gamePlayer(gameRandom);
    for (const StoredMove& move : ReadStoredMoves()) {
        const std::string where = "moves.jsonl:" + std::to_string(move.line);
        const GameState game = Position(move, true);
        ScriptedRandom hintRandom(move.draws);
        MoveExplainer explainer(gamePlayer, hintRandom);
        const int16 code = explainer.Hint(game);
        const Explanation& hint = explainer.lastHint();
        EXPECT_EQ(ColumnOfCode(code) + 1, hint.column) << where;
        EXPECT_TRUE(hint.hint) << where;
        EXPECT_EQ(hint.column, move.column) << where;
        EXPECT_EQ(hint.stage, move.stage) << where;
        ExpectNamesTheColumn(hint, where);
        ExpectReasonsWithinTheScore(hint, where);
    }
    EXPECT_EQ(gameRandom.draws(), 0u);
}

}  // namespace
}  // namespace tessora::explain::reference_test
