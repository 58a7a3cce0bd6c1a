#pragma once

// Every text of the explanations, in German, once: the sentences for each way a move can be
// decided, the headline, the columns the warnings ruled out, the chance sentences, and the
// phrase of each rule family. Each text comes as a pair, for the computer's own move and for a
// hint (advice to the human in the computer player's words); %1, %2, ... stand for numbers.
// The texts are marked for Qt's translation tools in the context "Erklaerung".

#include <array>

#include "ai/explain/RuleFamily.h"
#include "core/Translatable.h"

namespace tessora::explain {

inline constexpr const char* kTextContext = "Erklaerung";

// One text for the computer's move and one for a hint.
struct Wording {
    const char* move;
    const char* hint;
};

// --- the headline: %1 the column ---
inline constexpr Wording kHeadline{
    QT_TRANSLATE_NOOP("Erklaerung", "Der Computer spielte Spalte %1."),
    QT_TRANSLATE_NOOP("Erklaerung", "Tipp: Spalte %1.")};

// --- what decided: %1 the column ---
inline constexpr Wording kWinText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Mit Spalte %1 hat der Computer vier Steine in einer Reihe und gewinnt."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: dann haben Sie vier Steine in einer Reihe und "
                      "gewinnen.")};
inline constexpr Wording kBlockText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "In Spalte %1 hätten Sie sonst vier Steine in eine Reihe gebracht. Der "
                      "Computer hat das verhindert."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: sonst bringt der Computer dort vier Steine in eine "
                      "Reihe.")};
inline constexpr Wording kStackedText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "In Spalte %1 lagen zwei Gewinnfelder von Ihnen direkt übereinander. Der "
                      "Computer hat das untere besetzt."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: dort liegen zwei Gewinnfelder des Computers direkt "
                      "übereinander. Besetzen Sie das untere.")};
inline constexpr Wording kLastColumnText{
    QT_TRANSLATE_NOOP("Erklaerung", "Spalte %1 war als einzige noch frei."),
    QT_TRANSLATE_NOOP("Erklaerung", "Spielen Sie Spalte %1: sie ist als einzige noch frei.")};
// %2 the best cell's score.
inline constexpr Wording kAttackCellText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für den Angriff."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für "
                      "den Angriff.")};
inline constexpr Wording kDefenceCellText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für die Abwehr."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für "
                      "die Abwehr.")};
inline constexpr Wording kEndgameShapeText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Nur noch zwei Spalten waren frei. Mit Spalte %1 hat der Computer Ihnen "
                      "eine Falle gestellt."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: nur noch zwei Spalten sind frei, und damit stellen "
                      "Sie dem Computer eine Falle.")};
// %1 the chosen column, %2 and %3 the two open columns, %4 and %5 their cells on which nobody
// can win at once, the chosen column's first.
inline constexpr Wording kEndgameCountText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Nur noch die Spalten %2 und %3 waren frei. Der Computer nahm Spalte %1, "
                      "denn dort blieben mehr Felder, auf denen keiner gewinnt (%4 statt %5)."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: von den freien Spalten %2 und %3 bleiben dort mehr "
                      "Felder, auf denen keiner gewinnt (%4 statt %5).")};
inline constexpr Wording kFallbackParityText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Kein Feld brachte Punkte, und jede Spalte hatte einen Haken. In Spalte %1 "
                      "ging das Abzählen der freien Felder für den Computer auf."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: kein Feld bringt Punkte, und jede Spalte hat einen "
                      "Haken, aber dort geht das Abzählen der freien Felder für Sie auf.")};
inline constexpr Wording kFallbackSafestText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Kein Feld brachte Punkte. Spalte %1 war die sicherste Spalte."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist die sicherste "
                      "Spalte.")};
// %2 the number of columns the draw chose from.
inline constexpr Wording kFallbackDrawText{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Kein Feld brachte Punkte. Spalte %1 war eine von %2 gleich sicheren "
                      "Spalten."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist eine von %2 "
                      "gleich sicheren Spalten.")};

// --- where chance decided ---
inline constexpr Wording kCoinChance{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Mehrere Felder hatten gleich viele Punkte. Der Zufall hat entschieden, auf "
                      "welcher Seite zuerst gesucht wurde."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Mehrere Felder haben gleich viele Punkte. Der Zufall hat entschieden, auf "
                      "welcher Seite zuerst gesucht wird.")};
inline constexpr Wording kOpeningChance{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Zu Beginn gibt der Zufall einer Spalte in der Mitte einen Extrapunkt. Das "
                      "hat hier entschieden."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Zu Beginn gibt der Zufall einer Spalte in der Mitte einen Extrapunkt. Das "
                      "hat hier entschieden.")};
inline constexpr Wording kFallbackChance{
    QT_TRANSLATE_NOOP("Erklaerung", "Unter den gleich sicheren Spalten hat das Los entschieden."),
    QT_TRANSLATE_NOOP("Erklaerung", "Unter den gleich sicheren Spalten hat das Los entschieden.")};

// --- a column the warning marks ruled out: %1 the column ---
inline constexpr Wording kForbiddenColumn{
    QT_TRANSLATE_NOOP("Erklaerung", "Spalte %1 gemieden: darüber könnten Sie gewinnen."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 besser nicht: darüber könnte der Computer gewinnen.")};
// The avoided cell lies right under a cell where the side to move would win.
inline constexpr Wording kUnderOwnThreatColumn{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 gemieden: darüber wartet ein Gewinnfeld des Computers, das Sie "
                      "sonst besetzen würden."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 besser nicht: darüber wartet Ihr eigenes Gewinnfeld, das der "
                      "Computer sonst besetzen würde.")};
inline constexpr Wording kAvoidedColumn{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 gemieden: ein Stein dort würde Ihnen das Feld darüber freigeben."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 besser nicht: ein Stein dort würde dem Computer das Feld darüber "
                      "freigeben.")};
inline constexpr Wording kCautionColumn{
    QT_TRANSLATE_NOOP("Erklaerung", "Spalte %1 gemieden: dort könnte es bald gefährlich werden."),
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 besser nicht: dort könnte es bald gefährlich werden.")};
inline constexpr Wording kDoubtColumn{
    QT_TRANSLATE_NOOP("Erklaerung",
                      "Spalte %1 gemieden: der Computer hatte dort leichte Bedenken."),
    QT_TRANSLATE_NOOP("Erklaerung", "Spalte %1 besser nicht: dort gibt es leichte Bedenken.")};

// --- the rule families: what the points of a group of scans or rules mean ---
// The line patterns that set up two threats at once (their bonuses are 15 points and more), the
// small bonuses for a good shape, and rule 70 on top of two stacked stones.
inline constexpr std::array<RuleRange, RuleFamily::kMostRanges> kTwoThreatPatterns{
    {{3, 6}, {12, 13}, {28, 35}, {46, 49}, {52, 58}, {64, 69}}};
inline constexpr std::array<RuleRange, RuleFamily::kMostRanges> kShapePatterns{
    {{1, 2}, {7, 11}, {14, 27}, {36, 45}, {50, 51}, {59, 63}}};

// clang-format off
inline constexpr std::array kRuleFamilies{
    RuleFamily{Stage::ScanThreats, Side::Own, {{{1, 13}}}, QT_TRANSLATE_NOOP("Erklaerung", "vervollständigt eine eigene Viererreihe"), QT_TRANSLATE_NOOP("Erklaerung", "vervollständigt eine eigene Viererreihe")},
    RuleFamily{Stage::ScanThreats, Side::Opponent, {{{1, 13}}}, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre Viererreihe"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die Viererreihe des Computers")},
    RuleFamily{Stage::ScanOpenTwos, Side::Own, {{{1, 6}}}, QT_TRANSLATE_NOOP("Erklaerung", "macht zwei eigene Steine schräg zu einer offenen Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "macht zwei eigene Steine schräg zu einer offenen Dreierreihe")},
    RuleFamily{Stage::ScanOpenTwos, Side::Own, {{{7, 9}}}, QT_TRANSLATE_NOOP("Erklaerung", "macht zwei eigene Steine waagerecht zu einer offenen Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "macht zwei eigene Steine waagerecht zu einer offenen Dreierreihe")},
    RuleFamily{Stage::ScanOpenTwos, Side::Opponent, {{{1, 6}}}, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre schräge offene Zweierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die schräge offene Zweierreihe des Computers")},
    RuleFamily{Stage::ScanOpenTwos, Side::Opponent, {{{7, 9}}}, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre waagerechte offene Zweierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die waagerechte offene Zweierreihe des Computers")},
    RuleFamily{Stage::RewardStackedThreats, Side::Own, {{{0, 0}}}, QT_TRANSLATE_NOOP("Erklaerung", "hat zwei eigene Gewinnfelder übereinander"), QT_TRANSLATE_NOOP("Erklaerung", "hat zwei eigene Gewinnfelder übereinander")},
    RuleFamily{Stage::ScoreTwoStoneWindows, Side::Own, {{{1, 6}}}, QT_TRANSLATE_NOOP("Erklaerung", "baut eine eigene waagerechte Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "baut eine eigene waagerechte Dreierreihe")},
    RuleFamily{Stage::ScoreTwoStoneWindows, Side::Own, {{{7, 18}}}, QT_TRANSLATE_NOOP("Erklaerung", "baut eine eigene schräge Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "baut eine eigene schräge Dreierreihe")},
    RuleFamily{Stage::ScoreTwoStoneWindows, Side::Opponent, {{{1, 6}}}, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre waagerechte Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die waagerechte Dreierreihe des Computers")},
    RuleFamily{Stage::ScoreTwoStoneWindows, Side::Opponent, {{{7, 18}}}, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre schräge Dreierreihe"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die schräge Dreierreihe des Computers")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Own, kTwoThreatPatterns, QT_TRANSLATE_NOOP("Erklaerung", "stellt eine Falle mit zwei Drohungen auf einmal"), QT_TRANSLATE_NOOP("Erklaerung", "stellt eine Falle mit zwei Drohungen auf einmal")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Opponent, kTwoThreatPatterns, QT_TRANSLATE_NOOP("Erklaerung", "verhindert Ihre Falle mit zwei Drohungen auf einmal"), QT_TRANSLATE_NOOP("Erklaerung", "verhindert die Falle des Computers mit zwei Drohungen auf einmal")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Own, kShapePatterns, QT_TRANSLATE_NOOP("Erklaerung", "bringt eigene Steine in eine gute Lage"), QT_TRANSLATE_NOOP("Erklaerung", "bringt eigene Steine in eine gute Lage")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Opponent, kShapePatterns, QT_TRANSLATE_NOOP("Erklaerung", "stört eine gute Lage Ihrer Steine"), QT_TRANSLATE_NOOP("Erklaerung", "stört eine gute Lage der Steine des Computers")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Own, {{{70, 70}}}, QT_TRANSLATE_NOOP("Erklaerung", "setzt auf zwei eigene Steine übereinander"), QT_TRANSLATE_NOOP("Erklaerung", "setzt auf zwei eigene Steine übereinander")},
    RuleFamily{Stage::ScoreLinePatterns, Side::Opponent, {{{70, 70}}}, QT_TRANSLATE_NOOP("Erklaerung", "setzt auf Ihre zwei Steine übereinander"), QT_TRANSLATE_NOOP("Erklaerung", "setzt auf zwei Steine des Computers übereinander")},
    RuleFamily{Stage::RandomOpening, Side::Either, {{{0, 0}}}, QT_TRANSLATE_NOOP("Erklaerung", "bekommt zu Beginn einen Extrapunkt vom Zufall"), QT_TRANSLATE_NOOP("Erklaerung", "bekommt zu Beginn einen Extrapunkt vom Zufall")},
};
// clang-format on
inline constexpr int kFamilyCount = static_cast<int>(kRuleFamilies.size());

}  // namespace tessora::explain
