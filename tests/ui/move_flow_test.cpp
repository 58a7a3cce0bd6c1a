#include <QLabel>
#include <QTest>

#include "support/QtTestMain.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
const QString kHumanToMove =
    QStringLiteral("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");
const QString kThinking = QStringLiteral("Der Computer überlegt...");
const QString kFalling = QStringLiteral("Stein wird eingeworfen...");
}  // namespace

class MoveFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void statusTextsOfAWholeMove_data() {
        QTest::addColumn<bool>("animation");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("falling stones")
            << true << QStringList{kFalling, kThinking, kFalling, kHumanToMove};
        QTest::newRow("no animation") << false << QStringList{kThinking, kHumanToMove};
    }
    void statusTextsOfAWholeMove() {
        QFETCH(bool, animation);
        QFETCH(QStringList, texts);
        RecordingWindow window;
        window.game().options().AnimationOn = animation;
        window.show();
        window.ClearRecords();

        ClickColumn(window, 3);

        QCOMPARE(window.statusTexts(), texts);
        QCOMPARE(window.lblStatus()->text(), kHumanToMove);
        QCOMPARE(window.StonesOnBoard(), 2);
        QCOMPARE(window.game().state().PlayerToMove, kHuman);
        QVERIFY(!window.FallTimerEnabled());
        QVERIFY(!window.game().flags().DropRunning);
        // Both stones clack as they land.
        QCOMPARE(window.SoundsPlayed(), (QStringList{"KLACK.WAV", "KLACK.WAV"}));
    }

    // The hourglass from the click until the computer has moved, then the normal pointer.
    void pointerIsTheHourglassWhileTheMoveRuns() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        window.ClearRecords();
        ClickColumn(window, 0);
        const std::vector<Pointer>& pointers = window.pointers();
        QVERIFY(!pointers.empty());
        QCOMPARE(pointers.front(), Pointer::Hourglass);
        QCOMPARE(pointers.back(), Pointer::Default);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    // While a stone falls the status line says so and further board clicks are refused.
    void clicksWhileAStoneFallsAreIgnored() {
        RecordingWindow window;
        window.show();
        int clicksDuringFall = 0;
        QTimer clicker;
        clicker.setInterval(10);
        connect(&clicker, &QTimer::timeout, &window, [&] {
            if (!window.game().flags().DropRunning) return;
            ++clicksDuringFall;
            QCOMPARE(window.lblStatus()->text(), kFalling);
            ClickColumn(window, 6);
        });
        clicker.start();
        ClickColumn(window, 2);
        clicker.stop();
        QVERIFY(clicksDuringFall > 0);
        QCOMPARE(window.StonesOnBoard(), 2);
    }

    void fullColumnIsAnsweredWithTheWakeUpMessage() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        // Fill column 0 from the state, as if six stones had been played there.
        GameState& state = window.game().state();
        for (int row = 0; row < kRowCount; ++row)
            state.Cells[row * kColumnCount] = 1 + row % 2;
        state.ColumnState[0] = kColumnFull;
        ModalAnswerer answerer({"OK"});
        ClickColumn(window, 0);
        QCOMPARE(answerer.boxes().size(), size_t{1});
        QCOMPARE(answerer.boxes()[0].title, QStringLiteral("Aufwachen !"));
        QCOMPARE(answerer.boxes()[0].text, QStringLiteral("Diese Spalte ist schon voll !"));
        QCOMPARE(window.SoundsPlayed(), QStringList{"SCHNARCH.WAV"});
        QVERIFY(window.lblStatus()->isVisible());
        QCOMPARE(state.PlayerToMove, kHuman);
    }

    // A stone that falls is drawn in its landing cell once it has landed.
    void fallingStoneEndsInItsCell() {
        RecordingWindow window;
        window.show();
        ClickColumn(window, 5);
        const QImage& board = window.pictures().Board();
        const QImage& human = window.pictures().Image(Picture::HumanStone);
        const QImage& mask = window.pictures().Image(Picture::StoneMask);
        const QImage& empty = window.pictures().EmptyBoard();
        // Bottom row of column 5: left 20 + 60 * 5 = 320, top 290. The stone where the mask is
        // black, the board around it.
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool stone = mask.pixel(x, y) == 0xFF000000;
                QCOMPARE(board.pixel(320 + x, 290 + y),
                         stone ? human.pixel(x, y) : empty.pixel(320 + x, 290 + y));
            }
        }
    }
};

TESSORA_QTEST(MoveFlowTest)
#include "move_flow_test.moc"
