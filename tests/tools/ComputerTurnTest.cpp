#include <gtest/gtest.h>

#include "core/Position.h"
#include "tools/engine/MoveAnalysis.h"

namespace tessora::engine {
namespace {

// A column named by the computer player is only played when it is an open column; anything
// else is the program's fault, never silently played over a stone.
TEST(CheckChosenColumn, AcceptsOnlyOpenColumnCodes) {
    GameState state;
    std::string error;
    // Column 1 is full.
    ASSERT_TRUE(BuildPosition("1111112", kHuman, kComputer, 3, state, error)) << error;
    struct Case {
        int16 code;
        bool accepted;
        int column;
    };
    const Case cases[] = {{0, false, 0},  {149, false, 0}, {150, false, 0}, {151, true, 1},
                          {156, true, 6}, {157, false, 0}, {-1, false, 0}};
    for (const Case& c : cases) {
        int column = -1;
        Problem problem;
        EXPECT_EQ(CheckChosenColumn(c.code, state, "FallbackColumn", column, problem), c.accepted)
            << c.code;
        if (c.accepted) {
            EXPECT_EQ(column, c.column);
        } else {
            EXPECT_EQ(problem.kind, Problem::Kind::EngineFault);
            EXPECT_EQ(ExitStatusFor(problem), 3);
            EXPECT_NE(
                problem.message.find("code " + std::to_string(c.code) + " (stage FallbackColumn)"),
                std::string::npos)
                << problem.message;
        }
    }
}

}  // namespace
}  // namespace tessora::engine
