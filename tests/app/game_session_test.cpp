#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/QtTestMain.h"
#include "support/ShownSession.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/explain/ExplanationPanel.h"
#include "ui/explain/HintMarker.h"
#include "ui/instructions/InstructionsWindow.h"

using namespace tessora;

namespace {
using Session = test::ShownSession;

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}
}  // namespace

class GameSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheMainWindowWithAGameForTheHuman() {
        Session s;
        frmHaupt* window = s.session.mainWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->game().state().PlayerToMove, kHuman);
        QVERIFY(!s.session.instructions()->isVisible());
        QVERIFY(!s.session.about()->isVisible());
        // Shown again, it is the same window.
        s.session.ShowMainWindow();
        QCOMPARE(s.session.mainWindow(), window);
    }

    // Each side window opens from its button, disables the main window while it is up, and its
    // own button (with its click) or its title bar's close brings the game back.
    void sideWindowsOpenFromTheirButtonsAndReturnToTheGame_data() {
        QTest::addColumn<bool>("instructions");
        QTest::addColumn<bool>("byTitleBar");
        QTest::addColumn<QString>("sound");
        QTest::newRow("instructions") << true << false << "ANLEITUN.WAV";
        QTest::newRow("about") << false << false << "TADA.WAV";
        QTest::newRow("instructions closed") << true << true << "ANLEITUN.WAV";
        QTest::newRow("about closed") << false << true << "TADA.WAV";
    }
    void sideWindowsOpenFromTheirButtonsAndReturnToTheGame() {
        QFETCH(bool, instructions);
        QFETCH(bool, byTitleBar);
        QFETCH(QString, sound);
        Session s;
        frmHaupt* window = s.session.mainWindow();
        QWidget* side = instructions ? static_cast<QWidget*>(s.session.instructions())
                                     : static_cast<QWidget*>(s.session.about());
        Click(instructions ? window->picButtonAnleitung() : window->picButtonCopyright());
        QVERIFY(side->isVisible());
        QVERIFY(!window->isEnabled());
        // Owned by the main window, and a dialog: X11 window managers keep only a dialog above
        // its owner (Qt gives no other window the owner's name), so that a click on the disabled
        // main window cannot bury it.
        QCOMPARE(side->windowHandle()->transientParent(), window->windowHandle());
        QCOMPARE(side->windowHandle()->type(), Qt::Dialog);
        QCOMPARE(s.SoundsPlayed(), (QStringList{"KLICK.WAV", sound}));

        if (byTitleBar) {
            QVERIFY(side->close());
        } else {
            Click(instructions ? static_cast<QWidget*>(s.session.instructions()->picButtonZurueck())
                               : static_cast<QWidget*>(s.session.about()->cmdOK()));
        }
        QVERIFY(!side->isVisible());
        QVERIFY(window->isEnabled());
        QVERIFY(window->isVisible());
        const QStringList back = byTitleBar ? QStringList{} : QStringList{"KLICK.WAV"};
        QCOMPARE(s.SoundsPlayed(), (QStringList{"KLICK.WAV", sound} + back));
    }

    // With --erklaeren a panel beside the play area says which column the computer played and
    // T shows a hint over the board without touching the game; without it neither exists and T
    // does nothing.
    void explanationsOnlyWithTheOption_data() {
        QTest::addColumn<bool>("explain");
        QTest::newRow("--erklaeren") << true;
        QTest::newRow("no option") << false;
    }
    void explanationsOnlyWithTheOption() {
        QFETCH(bool, explain);
        StartOptions options;
        options.explain = explain;
        Session s(options);
        frmHaupt* window = s.session.mainWindow();
        Game& game = window->game();
        game.options().AnimationOn = false;
        QCOMPARE(window->findChildren<ExplanationPanel*>().size(), explain ? 1 : 0);
        game.picSpielfeld_MouseUp(1, 0, 600 + 900 * 3, 2000);
        int computerColumn = -1;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (game.state().Cells[cell] == kComputer) computerColumn = CellColumn(cell) + 1;
        }
        QVERIFY(computerColumn > 0);

        const GameState before = game.state();
        const QStringList sounds = s.SoundsPlayed();
        QTest::keyClick(window->picSpielfeld(), Qt::Key_T);
        QCOMPARE(game.state().Cells, before.Cells);
        QCOMPARE(s.SoundsPlayed(), sounds);
        if (!explain) return;
        ExplanationPanel* panel = window->explanationPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->geometry().intersects(window->picContainer()->geometry()));
        QVERIFY(panel->headline()->text().startsWith(QStringLiteral("Tipp: Spalte")));
        QVERIFY(window->hintMarker()->isVisible());
        // The computer's next move explains itself again, and the hint's marker goes.
        game.picSpielfeld_MouseUp(1, 0, 600 + 900 * 3, 2000);
        QVERIFY(
            panel->headline()->text().startsWith(QStringLiteral("Der Computer spielte Spalte")));
        QVERIFY(!window->hintMarker()->isVisible());
    }

    // Keyboard play is on with --tastatur, and also while a screen reader or another assistive
    // technology is active, in the main window and on the instructions' back button alike.
    void keyboardPlayFollowsTheOptionAndAssistiveTechnology_data() {
        QTest::addColumn<bool>("asked");
        QTest::newRow("--tastatur") << true;
        QTest::newRow("no option") << false;
    }
    void keyboardPlayFollowsTheOptionAndAssistiveTechnology() {
        QFETCH(bool, asked);
        StartOptions options;
        options.keyboardPlay = asked;
        Session s(options);
        frmHaupt* window = s.session.mainWindow();
        DrawnButton* back = s.session.instructions()->picButtonZurueck();
        QCOMPARE(window->KeyboardPlay(), asked);
        QCOMPARE(back->focusPolicy() != Qt::NoFocus, asked);

        QAccessible::setActive(true);
        QVERIFY(window->KeyboardPlay());
        QVERIFY(back->focusPolicy() != Qt::NoFocus);

        QAccessible::setActive(false);
        QCOMPARE(window->KeyboardPlay(), asked);
        QCOMPARE(back->focusPolicy() != Qt::NoFocus, asked);
    }
};

TESSORA_QTEST(GameSessionTest)
#include "game_session_test.moc"
