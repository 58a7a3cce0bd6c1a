#include <QSignalSpy>
#include <QTest>

#include "support/QtTestMain.h"
#include "ui/DrawnButton.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
QImage Plain(QRgb colour) {
    QImage image(110, 27, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QPoint kInside(50, 13);
const QPoint kOutside(50, 60);
}  // namespace

class DrawnButtonTest : public QObject {
    Q_OBJECT

  private slots:
    void pressShowsThePressedImageAndSetsTheSharedFlag() {
        ButtonPressedFlag flag;
        DrawnButton button(Plain(0xFFC0C0C0), Plain(0xFF808080), flag);
        Press(&button, kInside);
        QVERIFY(button.pressedImageShown());
        QVERIFY(flag.value);
        QCOMPARE(button.grab().toImage().pixel(5, 5), QColor(0x80, 0x80, 0x80).rgb());
    }

    // The drag decides from the pointer position alone: out hides, back in shows again, and a
    // release only acts over the button.
    void dragSequences_data() {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("shownBeforeRelease");
        QTest::addColumn<bool>("clicked");
        QTest::newRow("press, release") << QList<QPoint>{} << kInside << true << true;
        QTest::newRow("drag out, release") << QList<QPoint>{kOutside} << kOutside << false << false;
        QTest::newRow("drag out and back in, release")
            << QList<QPoint>{kOutside, kInside} << kInside << true << true;
        QTest::newRow("left of the button")
            << QList<QPoint>{QPoint(-1, 13)} << QPoint(-1, 13) << false << false;
        QTest::newRow("on the right and bottom edges")
            << QList<QPoint>{QPoint(110, 27)} << QPoint(110, 27) << true << true;
        QTest::newRow("just past the bottom edge")
            << QList<QPoint>{QPoint(110, 28)} << QPoint(110, 28) << false << false;
    }
    void dragSequences() {
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, release);
        QFETCH(bool, shownBeforeRelease);
        QFETCH(bool, clicked);

        ButtonPressedFlag flag;
        DrawnButton button(Plain(0xFFC0C0C0), Plain(0xFF808080), flag);
        QSignalSpy clicks(&button, &DrawnButton::clicked);
        Press(&button, kInside);
        for (const QPoint& position : moves)
            Move(&button, position);
        QCOMPARE(button.pressedImageShown(), shownBeforeRelease);
        Release(&button, release);
        QCOMPARE(clicks.count(), clicked ? 1 : 0);
        QVERIFY(!button.pressedImageShown());
        QVERIFY(!flag.value);
    }

    // Moves and releases count only while some button has been pressed.
    void movesAndReleasesWithoutAPressAreIgnored() {
        ButtonPressedFlag flag;
        DrawnButton button(Plain(0xFFC0C0C0), Plain(0xFF808080), flag);
        QSignalSpy clicks(&button, &DrawnButton::clicked);
        Move(&button, kInside);
        QVERIFY(!button.pressedImageShown());
        Release(&button, kInside);
        QCOMPARE(clicks.count(), 0);
    }

    // The flag is shared: a release on one button ends the press for all of them.
    void theFlagIsSharedBetweenButtons() {
        ButtonPressedFlag flag;
        DrawnButton first(Plain(0xFFC0C0C0), Plain(0xFF808080), flag);
        DrawnButton second(Plain(0xFFC0C0C0), Plain(0xFF808080), flag);
        QSignalSpy secondClicks(&second, &DrawnButton::clicked);
        Press(&first, kInside);
        Release(&second, kInside);
        QCOMPARE(secondClicks.count(), 1);
        QVERIFY(!flag.value);
        Release(&first, kInside);  // the press has already ended
        QVERIFY(!flag.value);
    }

    void newGameButtonDraggedOutDoesNothingAndDraggedBackInStartsANewGame() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ClickColumn(window, 3);
        QCOMPARE(window.StonesOnBoard(), 2);  // the human's stone and the computer's reply
        const qsizetype soundsBefore = window.SoundsPlayed().size();

        DrawnButton* button = window.picButtonNeuesSpiel();
        Press(button, kInside);
        QVERIFY(window.ButtonPressed().value);
        Move(button, kOutside);
        Release(button, kOutside);
        QCOMPARE(window.StonesOnBoard(), 2);
        QCOMPARE(window.SoundsPlayed().size(), soundsBefore);

        Press(button, kInside);
        Move(button, kOutside);
        Move(button, kInside);
        QVERIFY(button->pressedImageShown());
        Release(button, kInside);
        QCOMPARE(window.StonesOnBoard(), 0);
        QCOMPARE(window.SoundsPlayed().mid(soundsBefore), QStringList{"KLICK.WAV"});
        QCOMPARE(window.pictures().Board(), window.pictures().EmptyBoard());
    }
};

TESSORA_QTEST(DrawnButtonTest)
#include "drawn_button_test.moc"
