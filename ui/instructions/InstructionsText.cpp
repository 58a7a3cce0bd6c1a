#include "ui/instructions/InstructionsText.h"

#include <QCoreApplication>

namespace tessora {

QStringList InstructionsParagraphs() {
    // In German, marked for the translation tools in the context "Instructions".
    static constexpr const char* kParagraphs[] = {
        QT_TRANSLATE_NOOP(
            "Instructions",
            "Bei Tessora werfen Spieler und Computer abwechselnd jeweils einen Spielstein in das "
            "senkrecht stehende Spielfeld mit sieben Spalten und sechs Reihen. Jeder Stein fällt "
            "in seiner Spalte bis auf das unterste freie Feld."),
        QT_TRANSLATE_NOOP(
            "Instructions",
            "Gewonnen hat, wer als Erster vier eigene Steine in eine Reihe bringt – senkrecht, "
            "waagerecht oder diagonal. Sind alle 42 Steine eingeworfen, ohne dass eine solche "
            "Reihe entstanden ist, endet die Partie unentschieden („Remis“)."),
        QT_TRANSLATE_NOOP(
            "Instructions",
            "Um einen Stein einzuwerfen, klicken Sie mit der Maus auf die gewünschte Spalte. Die "
            "Statuszeile unter dem Spielfeld zeigt Ihnen jederzeit, wie es um die Partie steht "
            "und wer gerade am Zug ist."),
        QT_TRANSLATE_NOOP(
            "Instructions",
            "In der Leiste links neben dem Spielfeld finden Sie die Einstellungen: Dort legen Sie "
            "fest, wer die Partie beginnt und wie stark der Computer spielt. Mit der Taste 'S' "
            "schalten Sie den Ton ein und aus, mit der Taste 'A' das Herabfallen der Steine."),
        QT_TRANSLATE_NOOP(
            "Instructions",
            "Und nun wünschen wir Ihnen viel Spaß und viel Glück beim Spielen – möge der "
            "Computer ordentlich ins Schwitzen kommen!"),
    };
    QStringList paragraphs;
    for (const char* paragraph : kParagraphs)
        paragraphs << QCoreApplication::translate("Instructions", paragraph);
    return paragraphs;
}

}  // namespace tessora
