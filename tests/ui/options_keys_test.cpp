#include <QRadioButton>
#include <QTest>

#include "support/QtTestMain.h"
#include "tests/support/DrawnBoard.h"
#include "ui/BoardView.h"
#include "ui/OptionsPanel.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
void ClickNewGameButton(RecordingWindow& window) {
    Press(window.picButtonNeuesSpiel(), QPoint(5, 5));
    Release(window.picButtonNeuesSpiel(), QPoint(5, 5));
}
}  // namespace

class OptionsKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void computerWithNoKeepsTheGameAndTheNextGameOpensWithTheComputer() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ClickColumn(window, 2);
        const auto position = window.game().state().Cells;
        QCOMPARE(window.StonesOnBoard(), 2);

        ModalAnswerer answerer({"Nein"});
        window.picOptionen()->optAnfangSp(2)->click();
        QCOMPARE(answerer.boxes().size(), size_t{1});
        QCOMPARE(answerer.boxes()[0].title, QStringLiteral("Frage:"));
        QCOMPARE(answerer.boxes()[0].text, QStringLiteral("Wollen Sie ein neues Spiel starten ?"));
        QVERIFY(window.game().state().Cells == position);
        QVERIFY(window.picOptionen()->optAnfangSp(2)->isChecked());
        QVERIFY(window.ComputerBegins());

        ClickNewGameButton(window);
        QCOMPARE(window.StonesOnBoard(), 1);
        QCOMPARE(CountStones(window.game().state(), kComputer), 1);
        QCOMPARE(window.game().state().PlayerToMove, kHuman);
        QCOMPARE(answerer.unexpected(), 0);
    }

    void whoBeginsWithYesStartsANewGameAtOnce_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stonesAfter");
        QTest::newRow("Computer") << 2 << 1;
        QTest::newRow("Spieler") << 1 << 0;
    }
    void whoBeginsWithYesStartsANewGameAtOnce() {
        QFETCH(int, index);
        QFETCH(int, stonesAfter);
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ModalAnswerer answerer;
        if (index == 1) {  // first move away from "Spieler", keeping the game
            answerer.Script({"Nein"});
            window.picOptionen()->optAnfangSp(2)->click();
        }
        ClickColumn(window, 4);
        answerer.Script({"Ja"});
        const qsizetype soundsBefore = window.SoundsPlayed().size();
        window.picOptionen()->optAnfangSp(index)->click();
        QCOMPARE(window.SoundsPlayed().value(soundsBefore), QStringLiteral("WAHL.WAV"));
        QCOMPARE(window.StonesOnBoard(), stonesAfter);
        QCOMPARE(answerer.unexpected(), 0);
    }

    void strengthFollowsTheSelectedOption_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("strength");
        QTest::newRow("Anfänger") << 1 << 1;
        QTest::newRow("Profi") << 4 << 4;
    }
    void strengthFollowsTheSelectedOption() {
        QFETCH(int, index);
        QFETCH(int, strength);
        RecordingWindow window;
        window.show();
        window.picOptionen()->optStaerke(index)->click();
        QCOMPARE(window.game().options().Strength, strength);
        window.picOptionen()->optStaerke(3)->click();
        QCOMPARE(window.game().options().Strength, 3);
        QCOMPARE(window.SoundsPlayed(), (QStringList{"WAHL.WAV", "WAHL.WAV"}));
    }

    // A strength change starts no new game: the stones stay and the next computer move uses it.
    void strengthChangeKeepsTheGame() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ClickColumn(window, 3);
        window.picOptionen()->optStaerke(1)->click();
        QCOMPARE(window.StonesOnBoard(), 2);
        ClickColumn(window, 3);
        QCOMPARE(window.StonesOnBoard(), 4);
        QCOMPARE(window.game().options().Strength, 1);
    }

    // The keys act wherever the focus is in the window; sounds are tried on the strength option.
    void soundKeyTogglesTheSounds_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("s") << "s" << false;
        QTest::newRow("S") << "S" << false;
        QTest::newRow("S twice") << "SS" << true;
        QTest::newRow("s then S") << "sS" << true;
        QTest::newRow("other keys") << "xq1" << true;
    }
    void soundKeyTogglesTheSounds() {
        QFETCH(QString, keys);
        QFETCH(bool, soundOn);
        RecordingWindow window;
        window.show();
        QRadioButton* focused = window.picOptionen()->optStaerke(3);
        focused->setFocus();
        for (QChar key : keys)
            QTest::keyClick(focused, key.toLatin1());
        QCOMPARE(window.game().options().SoundOn, soundOn);
        QVERIFY(window.game().options().AnimationOn);
        window.picOptionen()->optStaerke(4)->click();
        QCOMPARE(window.SoundsPlayed().size(), soundOn ? 1 : 0);
    }

    void animationKeyMakesTheNextStoneAppearWithoutFalling_data() {
        QTest::addColumn<QChar>("key");
        QTest::newRow("a") << QChar('a');
        QTest::newRow("A") << QChar('A');
    }
    void animationKeyMakesTheNextStoneAppearWithoutFalling() {
        QFETCH(QChar, key);
        RecordingWindow window;
        window.show();
        QTest::keyClick(&window, key.toLatin1());
        QVERIFY(!window.game().options().AnimationOn);
        QVERIFY(window.game().options().SoundOn);
        ClickColumn(window, 1);
        QVERIFY(!window.statusTexts().contains(QStringLiteral("Stein wird eingeworfen...")));
        QCOMPARE(window.StonesOnBoard(), 2);
        QTest::keyClick(window.picSpielfeld(), key.toLatin1());
        QVERIFY(window.game().options().AnimationOn);
    }
};

TESSORA_QTEST(OptionsKeysTest)
#include "options_keys_test.moc"
