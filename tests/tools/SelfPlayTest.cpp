#include <gtest/gtest.h>

#include <set>

#include "tools/engine/Answers.h"
#include "tools/engine/SeededRandom.h"
#include "tools/engine/SelfPlay.h"

namespace tessora::engine {
namespace {

SelfPlayReport PlayMatch(const SelfPlayRequest& request) {
    SelfPlayReport report;
    Problem problem;
    EXPECT_TRUE(RunSelfPlay(request, report, problem)) << problem.message;
    return report;
}

void ExpectSameTally(const SideTally& a, const SideTally& b) {
    EXPECT_EQ(a.wins, b.wins);
    EXPECT_EQ(a.draws, b.draws);
    EXPECT_EQ(a.losses, b.losses);
    EXPECT_EQ(a.gamesBegun, b.gamesBegun);
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGames) {
    const SelfPlayRequest request{40, 4, 3, 12345, false};
    const SelfPlayReport first = PlayMatch(request);
    const SelfPlayReport second = PlayMatch(request);
    ExpectSameTally(first.a, second.a);
    ExpectSameTally(first.b, second.b);
    EXPECT_EQ(first.stones, second.stones);
}

TEST(SelfPlay, ResultsOfBothSidesAddUpAndTheBeginnerAlternates) {
    const SelfPlayRequest requests[] = {
        {31, 4, 4, 1, false}, {20, 1, 3, 2, false}, {25, 3, 0, 3, true}};
    for (const SelfPlayRequest& request : requests) {
        const SelfPlayReport report = PlayMatch(request);
        EXPECT_EQ(report.a.wins + report.a.draws + report.a.losses, request.games);
        EXPECT_EQ(report.a.wins, report.b.losses);
        EXPECT_EQ(report.a.losses, report.b.wins);
        EXPECT_EQ(report.a.draws, report.b.draws);
        EXPECT_EQ(report.a.gamesBegun, (request.games + 1) / 2);
        EXPECT_EQ(report.b.gamesBegun, request.games / 2);
        // Every game takes at least the winner's four stones and at most a full board.
        EXPECT_GE(report.stones, 7LL * request.games);
        EXPECT_LE(report.stones, 42LL * request.games);
    }
}

// A side that mistook its own stones for the opponent's would lose to chance; the computer
// player has to beat a random mover nearly always.
TEST(SelfPlay, TheComputerPlayerBeatsARandomMover) {
    const SelfPlayReport report = PlayMatch(SelfPlayRequest{200, 4, 0, 7, true});
    EXPECT_GE(report.a.wins, 180) << "wins " << report.a.wins << ", draws " << report.a.draws
                                  << ", losses " << report.a.losses;
}

// The report keeps its members in order and its times to fixed decimals, the rates rounded to
// whole games.
TEST(SelfPlay, ReportLineKeepsItsOrderAndFixedDecimals) {
    SelfPlayReport report;
    report.games = 4;
    report.a = {3, 0, 1, 2};
    report.b = {1, 0, 3, 2};
    report.stones = 61;
    report.seconds = 1.5;
    report.cpuSeconds = 0.0625;
    EXPECT_EQ(SelfPlayReportJson(SelfPlayRequest{4, 4, 0, 9, true}, report),
              R"({"games":4,"a":{"strength":4,"wins":3,"draws":0,"losses":1,"begun":2},)"
              R"("b":{"strength":"random","wins":1,"draws":0,"losses":3,"begun":2},"stones":61,)"
              R"("seconds":1.500,"gamesPerSecond":3,"cpuSeconds":0.062,"gamesPerCpuSecond":64})");
    report.seconds = 0.0;
    EXPECT_EQ(SelfPlayReportJson(SelfPlayRequest{4, 1, 2, 0, false}, report),
              R"({"games":4,"a":{"strength":1,"wins":3,"draws":0,"losses":1,"begun":2},)"
              R"("b":{"strength":2,"wins":1,"draws":0,"losses":3,"begun":2},"stones":61,)"
              R"("seconds":0.000,"gamesPerSecond":0,"cpuSeconds":0.062,"gamesPerCpuSecond":64})");
}

TEST(SeededRandom, RepeatsForTheSameSeedAndStaysInRange) {
    SeededRandom one(42);
    SeededRandom two(42);
    SeededRandom other(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const double value = one.Rnd();
        EXPECT_EQ(value, two.Rnd());
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
        differs = differs || value != other.Rnd();
    }
    EXPECT_TRUE(differs);
}

TEST(SeededRandom, BelowCoversEveryValueOfItsRange) {
    SeededRandom random(5);
    for (int bound = 1; bound <= 7; ++bound) {
        std::set<int> seen;
        for (int i = 0; i < 500; ++i) {
            const int value = random.Below(bound);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, bound);
            seen.insert(value);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), bound);
    }
}

}  // namespace
}  // namespace tessora::engine
