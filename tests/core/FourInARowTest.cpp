#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "tests/core/support/GameFixture.h"

namespace tessora::test {
namespace {

const char* const kWonHorizontal =
    "Sie haben gewonnen, da Sie eine\r\nReihe in horizontaler Richtung\r\ngebildet haben !";
const char* const kWonVertical =
    "Sie haben gewonnen, da Sie eine\r\nReihe in vertikaler Richtung gebildet\r\nhat !";
const char* const kWonDiagonal =
    "Sie haben gewonnen, da Sie\r\neine Reihe in diagonaler Richtung\r\ngebildet haben !";
const char* const kLostHorizontal =
    "Sie haben leider verloren, da der\r\nComputer eine Reihe in horizontaler\r\nRichtung gebildet "
    "hat !";
const char* const kLostVertical =
    "Sie haben leider verloren, da der\r\nComputer eine Reihe in vertikaler\r\nRichtung gebildet "
    "hat !";
const char* const kLostDiagonal =
    "Sie haben leider verloren, da der\r\nComputer eine Reihe in diagonaler\r\nRichtung gebildet "
    "hat !";

// One stone that completes a line: the human's click, or the computer's column after the
// human's harmless click.
struct LineCase {
    const char* name;
    const char* position;
    int humanColumn;
    int16 computerCode;  // 0: the human's stone makes the line
    const char* text;
    std::vector<int> cells;  // the highlighted line, as the scan finds it
};

const LineCase kLineCases[] = {
    {"human horizontal in the bottom row",
     ".......\n.......\n.......\n.......\n.......\nooo.xxx",
     3,
     0,
     kWonHorizontal,
     {35, 36, 37, 38}},
    {"human vertical in the top four cells",
     "......."
     "o......"
     "o......"
     "o......"
     "x......"
     "x.xx...",
     0,
     0,
     kWonVertical,
     {0, 7, 14, 21}},
    {"human vertical in rows 2 to 5",
     "......."
     "......."
     "......."
     "o......"
     "o......"
     "o.xxx..",
     0,
     0,
     kWonVertical,
     {14, 21, 28, 35}},
    {"human diagonal down from the top-left corner",
     "......."
     "xo....."
     "oxo...."
     "xxxo..."
     "ooxo..."
     "xxoo...",
     0,
     0,
     kWonDiagonal,
     {0, 8, 16, 24}},
    {"human diagonal up from the bottom-left corner",
     "......."
     "......."
     "......."
     "..ox..."
     ".oxx..."
     "oxxo...",
     3,
     0,
     kWonDiagonal,
     {17, 23, 29, 35}},
    {"computer horizontal in the bottom row",
     ".......\n.......\n.......\n.......\n.......\nxxx.oo.",
     6,
     153,
     kLostHorizontal,
     {35, 36, 37, 38}},
    {"computer vertical",
     "......."
     "......."
     "......."
     "......x"
     "o.....x"
     "o.o...x",
     4,
     156,
     kLostVertical,
     {20, 27, 34, 41}},
    {"computer diagonal up from the bottom-left corner",
     "......."
     "......."
     "......."
     "..xo..."
     ".xoo..."
     "xoox...",
     6,
     153,
     kLostDiagonal,
     {17, 23, 29, 35}},
    // Only the quick test's up-right scan sees this line, from its last start column.
    {"computer diagonal up ending in the right column",
     "......."
     "......."
     "......."
     ".....xo"
     "....xox"
     "o..xoxo",
     0,
     156,
     kLostDiagonal,
     {20, 26, 32, 38}},
};

class LineFound : public GameFixture, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineFound, IsHighlightedAnnouncedAndFollowedByANewGame) {
    const LineCase& c = GetParam();
    StartGame();
    Position(c.position);
    if (c.computerCode != 0) chooser.columns = {c.computerCode};
    std::set<int> highlighted;
    double highlightSeenAt = -1;
    shell.onEveryYield = [&] {
        for (int cell : shell.CellsShowing(kHighlightColour))
            highlighted.insert(cell);
        if (!highlighted.empty() && highlightSeenAt < 0) highlightSeenAt = shell.clock;
    };
    std::vector<int> drawnAtBox;
    double boxShownAt = -1;
    shell.onMessageBox = [&](const RecordedBox&) {
        boxShownAt = shell.clock;
        const std::uint32_t colour = c.computerCode != 0 ? kComputerColour : kHumanColour;
        drawnAtBox = shell.CellsShowing(colour);
        EXPECT_TRUE(shell.CellsShowing(kHighlightColour).empty());
    };
    Click(c.humanColumn);

    const bool computer = c.computerCode != 0;
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, c.text);
    EXPECT_EQ(shell.boxes[0].title, computer ? "Niederlage" : "Sieg");
    EXPECT_EQ(shell.boxes[0].style, 0x30);
    ASSERT_FALSE(shell.sounds.empty());
    EXPECT_EQ(shell.sounds.back(), computer ? "LACHEN.WAV" : "KLATSCHN.WAV");
    EXPECT_EQ(highlighted, std::set<int>(c.cells.begin(), c.cells.end()));
    // The highlight stays for 21 pauses; it is first seen inside the first of them.
    EXPECT_GE(boxShownAt - highlightSeenAt, 20 * 0.0111);
    // After the highlight the line is drawn with the owner's stones again.
    EXPECT_EQ(std::set<int>(drawnAtBox.begin(), drawnAtBox.end()),
              std::set<int>(c.cells.begin(), c.cells.end()));
    // The next game has begun on an empty board, the human to move.
    EXPECT_EQ(CountStones(game.state()), 0);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(shell.StatusText(), texts().StatusHumanToMove);
    EXPECT_TRUE(shell.statusVisible());
    EXPECT_EQ(shell.board().pixels, shell.emptyBoard().pixels);
    EXPECT_EQ(chooser.calls, computer ? 1 : 0);
    EXPECT_FALSE(game.flags().NewGamePending);
    EXPECT_FALSE(game.flags().ComputerThinking);
}

INSTANTIATE_TEST_SUITE_P(EveryDirectionAndOwner, LineFound, ::testing::ValuesIn(kLineCases),
                         [](const ::testing::TestParamInfo<LineCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p != '\0'; ++p) {
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             }
                             return name;
                         });

class EndOfGame : public GameFixture {};

TEST_F(EndOfGame, ResultIsAnnouncedInItsOrderThenTheBoardIsReset) {
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nooo.xxx");
    shell.ClearRecords();
    Click(3);
    const std::vector<std::string> expected{
        "pointer:11",    "sound:KLACK.WAV",    "pointer:0",
        "status hidden", "sound:KLATSCHN.WAV", "box:Sieg",
        "status shown",  "board restored",     "status:" + texts().StatusHumanToMove,
        "pointer:0",     "pointer:0"};
    EXPECT_EQ(shell.log, expected);
}

TEST_F(EndOfGame, StoneCompletingHorizontalAndVerticalIsReportedAsHorizontal) {
    StartGame();
    Position(R"(
        .......
        .......
        ooo....
        xxxo...
        oxoo...
        xoxo...)");
    std::set<int> highlighted;
    shell.onEveryYield = [&] {
        for (int cell : shell.CellsShowing(kHighlightColour))
            highlighted.insert(cell);
    };
    Click(3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, kWonHorizontal);
    EXPECT_EQ(highlighted, (std::set<int>{14, 15, 16, 17}));
}

// Every window the full scan rejects lets the window's events run once: 24 horizontal, 21
// vertical and 24 diagonal windows.
TEST_F(EndOfGame, FullScanYieldsOnceForEveryWindowWithoutALine) {
    StartGame();
    game.state().PlayerToMove = kHuman;
    game.CheckFour(CodeHuman);
    EXPECT_EQ(shell.doEventsCalls, 69);
    EXPECT_FALSE(game.flags().FourFound);
}

// Two diagonals of the human's cross in one cell: the one the scan order reaches first is shown.
TEST_F(EndOfGame, OfTwoCrossingDiagonalsTheFirstScannedIsHighlighted) {
    struct Case {
        const char* name;
        const char* position;
        std::set<int> shown;
    };
    const Case cases[] = {
        {"both start in the top row: down to the right comes first",
         ".ox..o.\n.oo.ox.\n.xxoxo.\n.ooxoo.\n.xoxox.\n.oooxo.",
         {1, 9, 17, 25}},
        {"down to the left from the top row before down to the right from the row below",
         ".....o.\no...oo.\nxo.oox.\noxoxoo.\noxooxx.\noooxxox",
         {5, 11, 17, 23}},
    };
    for (const Case& c : cases) {
        StartGame();
        Position(c.position);
        game.state().PlayerToMove = kHuman;
        // As inside the human's move, which began after the new game.
        game.state().GameRestarted = 0;
        std::set<int> highlighted;
        shell.onEveryYield = [&] {
            for (int cell : shell.CellsShowing(kHighlightColour))
                highlighted.insert(cell);
        };
        game.CheckFour(CodeHuman);
        shell.onEveryYield = nullptr;
        EXPECT_EQ(highlighted, c.shown) << c.name;
        ASSERT_EQ(shell.boxes.size(), 1u) << c.name;
        EXPECT_EQ(shell.boxes[0].text, kWonDiagonal) << c.name;
    }
}

// A full board without any line: columns of two alternate in every row.
const char* const kDrawnBoardButTopLeft = R"(
    .oxxoox
    xxooxxo
    ooxxoox
    xxooxxo
    ooxxoox
    xxooxxo)";

TEST_F(EndOfGame, HumansStoneFillingTheBoardIsADraw) {
    StartGame();
    Position(kDrawnBoardButTopLeft);
    Click(0);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Die Partie endet mit einem Remis !");
    EXPECT_EQ(shell.boxes[0].title, "Unentschieden");
    EXPECT_EQ(shell.boxes[0].style, 0x30);
    EXPECT_EQ(shell.sounds, (std::vector<std::string>{"KLACK.WAV", "REMIS.WAV"}));
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_EQ(CountStones(game.state()), 0);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
}

// The line found in the last game must not keep the draw of this one from being announced.
TEST_F(EndOfGame, DrawIsAnnouncedAfterALineWasFoundInAnEarlierGame) {
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nooo.xxx");
    Click(3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    ASSERT_EQ(shell.boxes[0].title, "Sieg");
    Position(kDrawnBoardButTopLeft);
    Click(0);
    ASSERT_EQ(shell.boxes.size(), 2u);
    EXPECT_EQ(shell.boxes[1].title, "Unentschieden");
    EXPECT_EQ(CountStones(game.state()), 0);
}

TEST_F(EndOfGame, ComputersStoneFillingTheBoardIsADrawAfterItsTurn) {
    StartGame();
    Position(R"(
        .ox.oox
        xxooxxo
        ooxxoox
        xxooxxo
        ooxxoox
        xxooxxo)");
    chooser.columns = {153};
    shell.onMessageBox = [&](const RecordedBox&) {
        EXPECT_TRUE(game.flags().ComputerThinking);
        EXPECT_EQ(CountStones(game.state()), 42);
    };
    Click(0);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Unentschieden");
    EXPECT_EQ(shell.sounds.back(), "REMIS.WAV");
    EXPECT_EQ(CountStones(game.state()), 0);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(shell.StatusText(), texts().StatusHumanToMove);
}

TEST_F(EndOfGame, LineOnTheFortySecondStoneIsAWinNotADraw) {
    StartGame();
    Position(R"(
        ooo.oox
        xxooxxo
        ooxxoox
        xxooxxo
        ooxxoox
        xxooxxx)");
    Click(3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, kWonHorizontal);
    EXPECT_EQ(CountStones(game.state()), 0);
}

// The human takes the top-left cell, and the computer's stone, the 42nd, completes a diagonal.
TEST_F(EndOfGame, ComputersLineOnTheLastStoneWaitsForItsTurnToEndAndIsNoDraw) {
    StartGame();
    Position(R"(
        .ox.oox
        xxooxxo
        ooxxoxx
        xxooxxx
        ooxxoox
        xxooxxo)");
    chooser.columns = {153};
    shell.onMessageBox = [&](const RecordedBox&) {
        EXPECT_TRUE(game.flags().ComputerThinking);
        EXPECT_EQ(CountStones(game.state()), 42);
    };
    Click(0);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, kLostDiagonal);
    EXPECT_EQ(shell.boxes[0].title, "Niederlage");
    EXPECT_EQ(CountStones(game.state()), 0);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(game.state().ColumnState, (std::array<int16, 7>{1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(EndOfGame, NewGameAfterAResultLetsTheComputerOpenWhenItBegins) {
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nooo.xxx");
    shell.computerBegins = true;
    Click(3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(CountStones(game.state()), 1);
    EXPECT_EQ(game.state().Cells[35], kComputer);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(game.state().GameRestarted, 1);
}

}  // namespace
}  // namespace tessora::test
