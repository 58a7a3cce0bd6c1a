#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "support/QtTestMain.h"
#include "ui/instructions/InstructionsWindow.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
const QPoint kInside(55, 13);
const QPoint kOutside(55, 60);

// The main window's part: a window to return to and a record of the sounds asked for.
struct MainWindowStandIn {
    MainWindowStandIn() {
        window.show();
        window.setEnabled(false);
    }
    PlaySoundFunction PlaySound() {
        return [this](Sound sound) {
            const std::string_view file = WaveFile(sound);
            sounds << QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        };
    }
    QWidget window;
    QStringList sounds;
    ButtonPressedFlag buttonPressed;
};
}  // namespace

class InstructionsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Only a release over the back button returns to the game; dragging out cancels the press
    // and dragging back in arms it again.
    void backButtonActsOnlyWhenReleasedOverIt_data() {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("shownBeforeRelease");
        QTest::addColumn<bool>("returns");
        QTest::newRow("dragged out, released outside")
            << QList<QPoint>{kOutside} << kOutside << false << false;
        QTest::newRow("dragged out and back in, released over it")
            << QList<QPoint>{kOutside, kInside} << kInside << true << true;
    }
    void backButtonActsOnlyWhenReleasedOverIt() {
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, release);
        QFETCH(bool, shownBeforeRelease);
        QFETCH(bool, returns);

        MainWindowStandIn main;
        frmAnleitung window(main.PlaySound(), main.buttonPressed, &main.window);
        window.show();
        DrawnButton* button = window.picButtonZurueck();
        Press(button, kInside);
        for (const QPoint& position : moves)
            Move(button, position);
        QCOMPARE(button->pressedImageShown(), shownBeforeRelease);
        Release(button, release);

        QVERIFY(!button->pressedImageShown());
        QVERIFY(!main.buttonPressed.value);
        QCOMPARE(window.isVisible(), !returns);
        QCOMPARE(main.window.isEnabled(), returns);
        QVERIFY(main.window.isVisible());
        QCOMPARE(main.sounds, returns ? QStringList{"KLICK.WAV"} : QStringList{});
    }

    // Whatever was selected or scrolled to last time, the next showing starts at the top.
    void reopeningShowsTheTextFromItsStartWithNothingSelected() {
        MainWindowStandIn main;
        frmAnleitung window(main.PlaySound(), main.buttonPressed, &main.window);
        window.show();
        QTextEdit* text = window.txtAnleitung();
        QVERIFY(text->toPlainText().startsWith(
            "Bei Tessora werfen Spieler und Computer abwechselnd jeweils"));

        QTextCursor selection = text->textCursor();
        selection.setPosition(120);
        selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        text->setTextCursor(selection);
        QScrollBar* scroll = text->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);  // the text is longer than the box
        scroll->setValue(scroll->maximum());

        Press(window.picButtonZurueck(), kInside);
        Release(window.picButtonZurueck(), kInside);
        QVERIFY(!window.isVisible());
        window.show();

        QCOMPARE(text->textCursor().position(), 0);
        QVERIFY(!text->textCursor().hasSelection());
        QCOMPARE(scroll->value(), 0);
    }
};

TESSORA_QTEST(InstructionsWindowTest)
#include "instructions_window_test.moc"
