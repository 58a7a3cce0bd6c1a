#pragma once

#include <string>

namespace tessora {

// Every text the game shows in its status line and message boxes (German, UTF-8; the window
// translates them where it shows them, in the context "Texts").
// Line breaks inside a message are CR LF.
struct MessageTexts {
    std::string LostDiagonal;
    std::string LostVertical;
    std::string LostHorizontal;
    std::string TitleLost;
    std::string WonDiagonal;
    std::string WonVertical;
    std::string WonHorizontal;
    std::string TitleWon;
    std::string Draw;
    std::string TitleDraw;
    std::string StatusHumanToMove;
    std::string StatusComputerThinking;
    std::string StatusStoneFalling;
    std::string ColumnFull;
    std::string TitleColumnFull;
    std::string NewGameQuestion;
    std::string TitleNewGameQuestion;
    std::string ExitQuestion;
    std::string TitleExitQuestion;
};

// Builds the message table once, at load.
MessageTexts InitSprache();

}  // namespace tessora
