#include "core/Texts.h"

namespace tessora {

namespace {
constexpr const char* kNewLine = "\r\n";

std::string Lines(const char* a, const char* b, const char* c) {
    return std::string(a) + kNewLine + b + kNewLine + c;
}
}  // namespace

MessageTexts InitSprache() {
    MessageTexts t;
    t.LostDiagonal = Lines("Sie haben leider verloren, da der", "Computer eine Reihe in diagonaler",
                           "Richtung gebildet hat !");
    t.LostVertical = Lines("Sie haben leider verloren, da der", "Computer eine Reihe in vertikaler",
                           "Richtung gebildet hat !");
    t.LostHorizontal = Lines("Sie haben leider verloren, da der",
                             "Computer eine Reihe in horizontaler", "Richtung gebildet hat !");
    t.TitleLost = "Niederlage";
    t.WonDiagonal = Lines("Sie haben gewonnen, da Sie", "eine Reihe in diagonaler Richtung",
                          "gebildet haben !");
    t.WonVertical =
        Lines("Sie haben gewonnen, da Sie eine", "Reihe in vertikaler Richtung gebildet", "hat !");
    t.WonHorizontal = Lines("Sie haben gewonnen, da Sie eine", "Reihe in horizontaler Richtung",
                            "gebildet haben !");
    t.TitleWon = "Sieg";
    t.Draw = "Die Partie endet mit einem Remis !";
    t.TitleDraw = "Unentschieden";
    t.StatusHumanToMove = "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.";
    t.StatusComputerThinking = "Der Computer überlegt...";
    t.StatusStoneFalling = "Stein wird eingeworfen...";
    t.ColumnFull = "Diese Spalte ist schon voll !";
    t.TitleColumnFull = "Aufwachen !";
    t.NewGameQuestion = "Wollen Sie ein neues Spiel starten ?";
    t.TitleNewGameQuestion = "Frage:";
    t.ExitQuestion = "Wollen Sie Tessora wirklich beenden ?";
    t.TitleExitQuestion = "-=Beenden=-";
    return t;
}

}  // namespace tessora
