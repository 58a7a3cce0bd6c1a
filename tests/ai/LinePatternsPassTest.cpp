// The line pattern pass as a whole: rule order, event processing, which grids each pass
// writes, and boards on which it must do nothing.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "LinePatternsSupport.h"

namespace tessora::test {
namespace {

// A board filled at random with the given stone codes (gravity is not needed by the pass),
// and random threat flags in the playing rows.
struct RandomBoard {
    GameState state;
    std::array<std::array<bool, 8>, 7> ownThreat{};
    std::array<std::array<bool, 8>, 7> foeThreat{};
};

RandomBoard MakeRandomBoard(std::mt19937& rng, bool ownStones, bool otherStones) {
    RandomBoard b;
    std::uniform_int_distribution<int> cell(0, 2);
    std::uniform_int_distribution<int> flag(0, 5);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c) {
            int16 v = static_cast<int16>(cell(rng));
            if ((v == OwnCode && !ownStones) || (v == OpponentCode && !otherStones)) v = 0;
            b.state.board.set(r, c, v);
            b.ownThreat[r][c] = flag(rng) == 0;
            b.foeThreat[r][c] = flag(rng) == 0;
        }
    }
    SetBoardFloor(b.state.board);
    b.state.SideCode = 1;
    return b;
}

void SetThreats(Workspace& ws, const RandomBoard& b) {
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c) {
            if (b.ownThreat[r][c]) ws.mark(ws.grids().OwnThreat, r, c);
            if (b.foeThreat[r][c]) ws.mark(ws.grids().FoeThreat, r, c);
        }
    }
}

Trace RunPass(const RandomBoard& b, int16 colour) {
    ScriptedRandom random({0.5});
    Workspace ws(b.state, random, YieldHook{});
    SetThreats(ws, b);
    Trace trace;
    ws.AttachTrace(&trace);
    ScoreLinePatterns(ws, colour);
    return trace;
}

TEST(LinePatternsPass, BoardWithoutTheExaminedColourChangesNothing) {
    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i) {
        EXPECT_TRUE(RunPass(MakeRandomBoard(rng, false, true), OwnCode).empty());
        EXPECT_TRUE(RunPass(MakeRandomBoard(rng, true, false), OpponentCode).empty());
    }
    EXPECT_TRUE(RunPass(MakeRandomBoard(rng, false, false), OwnCode).empty());
}

// Own pass: AttackScore and the marks, DefenceScore only from rules 1 and 2. Other pass:
// DefenceScore and the marks, never AttackScore, and CautionMark only from rule 45. Every
// change lies in the playing rows, marks are only ever set to 1, and the rules run in order.
TEST(LinePatternsPass, EachPassWritesOnlyItsOwnGridsInRuleOrder) {
    std::mt19937 rng(11);
    int changes = 0;
    for (int i = 0; i < 1500; ++i) {
        const RandomBoard board = MakeRandomBoard(rng, true, true);
        for (int16 colour : {OwnCode, OpponentCode}) {
            const bool own = colour == OwnCode;
            int lastRule = 0;
            for (const TraceRecord& t : RunPass(board, colour)) {
                ++changes;
                const int rule = t.origin.rule;
                EXPECT_GE(rule, lastRule);
                lastRule = rule;
                EXPECT_EQ(t.origin.colour, colour);
                EXPECT_TRUE(t.row >= 1 && t.row <= 6 && t.column >= 1 && t.column <= 7);
                switch (t.grid) {
                    case GridId::AttackScore:
                        EXPECT_TRUE(own) << "rule " << rule;
                        break;
                    case GridId::DefenceScore:
                        EXPECT_TRUE(!own || rule == 1 || rule == 2) << "rule " << rule;
                        break;
                    case GridId::CautionMark:
                        EXPECT_TRUE(own || rule == 45) << "rule " << rule;
                        EXPECT_EQ(t.after, 1);
                        break;
                    case GridId::AvoidMark:
                    case GridId::DoubtMark:
                        EXPECT_EQ(t.after, 1) << "rule " << rule;
                        break;
                    default:
                        ADD_FAILURE() << "rule " << rule << " wrote " << GridName(t.grid);
                }
            }
        }
    }
    EXPECT_GT(changes, 1000);  // the random boards do exercise the rules
}

// Counts the event-processing calls per rule, using the rule the trace origin names.
struct EventCounter {
    const Workspace* ws = nullptr;
    std::array<int, 71> perRule{};
    std::vector<int> order;

    static void Hook(void* context) {
        auto* self = static_cast<EventCounter*>(context);
        const int rule = self->ws->origin().rule;
        ++self->perRule[rule];
        if (self->order.empty() || self->order.back() != rule) self->order.push_back(rule);
    }
};

// Events are processed after every anchor: the count per rule is its number of anchors.
// Rules 46, 47 and 70 loop without processing events; rules 59 and 60 do not loop.
TEST(LinePatternsPass, ProcessesEventsAfterEveryAnchor) {
    // clang-format off
    const std::array<int, 71> anchors{
        0,
        12, 12, 12, 12, 12, 12, 6, 9, 9, 9,       // rules 1-10
        9, 9, 9, 6, 6, 12, 12, 9, 9, 12,          // rules 11-20
        12, 12, 12, 12, 12, 12, 12, 12, 12, 9,    // rules 21-30
        9, 12, 12, 12, 12, 9, 9, 9, 9, 9,         // rules 31-40
        9, 9, 9, 9, 3, 0, 0, 12, 12, 9,           // rules 41-50
        9, 12, 12, 12, 12, 12, 3, 3, 0, 0,        // rules 51-60
        6, 6, 9, 12, 12, 9, 9, 15, 15, 0,         // rules 61-70
    };
    // clang-format on
    for (int16 colour : {OwnCode, OpponentCode}) {
        const GameState state = PositionFromText(R"(
            .......
            .......
            ...x...
            ..ox...
            .xoox..
            xooxo..)");
        ScriptedRandom random({0.5});
        EventCounter counter;
        Workspace ws(state, random, YieldHook{&EventCounter::Hook, &counter});
        counter.ws = &ws;
        ScoreLinePatterns(ws, colour);
        EXPECT_EQ(counter.perRule, anchors) << "colour " << colour;
        for (std::size_t i = 1; i < counter.order.size(); ++i) {
            EXPECT_LT(counter.order[i - 1], counter.order[i]);
        }
    }
}

// Rule 70 reads the scores the earlier rules of the same pass left: here rule 7 scores the
// cell on top of the stack, and rule 70 adds its 2 points only then.
TEST(LinePatternsPass, RuleSeventySeesScoresOfEarlierRules) {
    const Shape bare("....... ....... ....... ....... ...x... ...x...");
    const Shape scored("....... ....... ....... ....... ...x... ..OxO..");
    EXPECT_TRUE(ShapeEffects(bare, false, 70).empty());
    EXPECT_EQ(ShapeEffects(scored, false, 7).front(), (Effect{kAttack, 4, 4, 3}));
    EXPECT_EQ(ShapeEffects(scored, false, 70), (std::vector<Effect>{{kAttack, 4, 4, 2}}));
    EXPECT_EQ(ShapeEffects(scored, true, 70), (std::vector<Effect>{{kDefence, 4, 4, 2}}));
}

// Points from several steps and rules on one cell add up.
TEST(LinePatternsPass, PointsOnOneCellAccumulate) {
    // Rule 12 gives (2,2) 1 and 31 points; other rules may add more.
    const GameState state = PositionFromText(R"(
        .......
        .......
        .xx.o..
        xx.....
        .......
        .......)");
    ScriptedRandom random({0.5});
    Workspace ws(state, random, YieldHook{});
    Trace trace;
    ws.AttachTrace(&trace);
    ScoreLinePatterns(ws, OwnCode);
    int sum = 0;
    int count = 0;
    for (const TraceRecord& t : trace) {
        if (t.grid != GridId::AttackScore || t.row != 2 || t.column != 2) continue;
        sum += t.after - t.before;
        ++count;
    }
    EXPECT_GE(count, 2);
    EXPECT_GE(sum, 32);
    EXPECT_EQ(ws.grids().AttackScore.at(2, 2), sum);
}

}  // namespace
}  // namespace tessora::test
