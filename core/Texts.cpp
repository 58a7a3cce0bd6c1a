#include "core/Texts.h"

#include "core/Translatable.h"

namespace tessora {

MessageTexts InitSprache() {
    // Lines within a message break with CR LF. Each text is marked for the translation tools in
    // the context "Texts"; the window shows it in the language played.
    MessageTexts t;
    t.LostDiagonal = QT_TRANSLATE_NOOP("Texts",
                                       "Sie haben leider verloren, da der\r\n"
                                       "Computer eine Reihe in diagonaler\r\n"
                                       "Richtung gebildet hat !");
    t.LostVertical = QT_TRANSLATE_NOOP("Texts",
                                       "Sie haben leider verloren, da der\r\n"
                                       "Computer eine Reihe in vertikaler\r\n"
                                       "Richtung gebildet hat !");
    t.LostHorizontal = QT_TRANSLATE_NOOP("Texts",
                                         "Sie haben leider verloren, da der\r\n"
                                         "Computer eine Reihe in horizontaler\r\n"
                                         "Richtung gebildet hat !");
    t.TitleLost = QT_TRANSLATE_NOOP("Texts", "Niederlage");
    t.WonDiagonal = QT_TRANSLATE_NOOP("Texts",
                                      "Sie haben gewonnen, da Sie\r\n"
                                      "eine Reihe in diagonaler Richtung\r\n"
                                      "gebildet haben !");
    t.WonVertical = QT_TRANSLATE_NOOP("Texts",
                                      "Sie haben gewonnen, da Sie eine\r\n"
                                      "Reihe in vertikaler Richtung gebildet\r\n"
                                      "hat !");
    t.WonHorizontal = QT_TRANSLATE_NOOP("Texts",
                                        "Sie haben gewonnen, da Sie eine\r\n"
                                        "Reihe in horizontaler Richtung\r\n"
                                        "gebildet haben !");
    t.TitleWon = QT_TRANSLATE_NOOP("Texts", "Sieg");
    t.Draw = QT_TRANSLATE_NOOP("Texts", "Die Partie endet mit einem Remis !");
    t.TitleDraw = QT_TRANSLATE_NOOP("Texts", "Unentschieden");
    t.StatusHumanToMove =
        QT_TRANSLATE_NOOP("Texts", "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");
    t.StatusComputerThinking = QT_TRANSLATE_NOOP("Texts", "Der Computer überlegt...");
    t.StatusStoneFalling = QT_TRANSLATE_NOOP("Texts", "Stein wird eingeworfen...");
    t.ColumnFull = QT_TRANSLATE_NOOP("Texts", "Diese Spalte ist schon voll !");
    t.TitleColumnFull = QT_TRANSLATE_NOOP("Texts", "Aufwachen !");
    t.NewGameQuestion = QT_TRANSLATE_NOOP("Texts", "Wollen Sie ein neues Spiel starten ?");
    t.TitleNewGameQuestion = QT_TRANSLATE_NOOP("Texts", "Frage:");
    t.ExitQuestion = QT_TRANSLATE_NOOP("Texts", "Wollen Sie Tessora wirklich beenden ?");
    t.TitleExitQuestion = QT_TRANSLATE_NOOP("Texts", "-=Beenden=-");
    return t;
}

}  // namespace tessora
