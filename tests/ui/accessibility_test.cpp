// What a screen reader finds in the game and what a player without a mouse can do: the drawn
// buttons and the board as named objects, the buttons' press action, the board's description and
// focused cell as the stones land, the column keys, Tab and Space in keyboard play (off by
// default), and its focus frame.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessibleActionInterface>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <array>

#include "support/QtTestMain.h"
#include "ui/BoardView.h"
#include "ui/OptionsPanel.h"
#include "ui/accessibility/BoardDescription.h"
#include "ui/instructions/InstructionsWindow.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
const QPoint kInside(5, 5);

QAccessibleInterface* Accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

void PressThroughAccessibility(QWidget* widget) {
    Accessible(widget)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

void Click(QWidget* widget) {
    Press(widget, kInside);
    Release(widget, kInside);
}

// The main window with a first move played (no animation) and a silent stand-in for the side
// windows, so that the instructions and about buttons go their whole way.
struct PlayedWindow {
    PlayedWindow() {
        window.game().options().AnimationOn = false;
        QObject::connect(&window, &frmHaupt::showInstructions, [] {});
        QObject::connect(&window, &frmHaupt::showCopyright, [] {});
        window.show();
        ClickColumn(window, 3);
    }
    RecordingWindow window;
};

// The board's description changes as an assistive technology hears of them, with whether a
// stone was falling at that moment, and the names of the board's cells given the focus.
struct DescriptionChange {
    QString description;
    bool stoneFalling;
};
std::vector<DescriptionChange> descriptionChanges;
QStringList focusedCells;
frmHaupt* watchedWindow = nullptr;

void RecordBoardEvents(QAccessibleEvent* event) {
    if (watchedWindow == nullptr || event->object() != watchedWindow->picSpielfeld()) return;
    if (event->type() == QAccessible::DescriptionChanged) {
        descriptionChanges.push_back({event->accessibleInterface()->text(QAccessible::Description),
                                      watchedWindow->game().flags().DropRunning});
    }
    if (event->type() == QAccessible::Focus && event->child() >= 0) {
        focusedCells << event->accessibleInterface()->text(QAccessible::Name);
    }
}

int CellOfTheComputersStone(RecordingWindow& window) {
    const auto& cells = window.game().state().Cells;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cells[cell] == kComputer) return cell;
    }
    return -1;
}
}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void drawnButtonsAndTheBoardAreNamedObjects() {
        RecordingWindow window;
        frmAnleitung instructions([](Sound) {}, window.ButtonPressed(), &window);
        const std::pair<QWidget*, QString> buttons[] = {
            {window.picButtonNeuesSpiel(), "Neues Spiel"},
            {window.picButtonAnleitung(), "Anleitung"},
            {window.picButtonCopyright(), "Info"},
            {window.picButtonExit(), "Beenden"},
            {instructions.picButtonZurueck(), "Zurück"}};
        for (const auto& [button, caption] : buttons) {
            QAccessibleInterface* accessible = Accessible(button);
            QCOMPARE(accessible->role(), QAccessible::Button);
            QCOMPARE(accessible->text(QAccessible::Name), caption);
            QVERIFY(accessible->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QAccessibleInterface* board = Accessible(window.picSpielfeld());
        QCOMPARE(board->role(), QAccessible::Canvas);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Spielfeld"));
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Alle Spalten leer."));
        QCOMPARE(board->childCount(), kCellCount);
        QAccessibleInterface* cell = board->child(38);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Spalte 4, Feld 1 von unten: leer"));
        QCOMPARE(cell->parent(), board);
        QCOMPARE(board->indexOfChild(cell), 38);
        QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }

    // The press action and a mouse click on the same button of two windows in the same state
    // leave them alike: sounds, stones, message boxes, the window given up for a side window, the
    // program's end. The press runs from the event loop, after the assistive technology's call.
    void pressActionDoesWhatAClickDoes_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("Neues Spiel") << 0 << QStringList{};
        QTest::newRow("Anleitung") << 1 << QStringList{};
        QTest::newRow("Info") << 2 << QStringList{};
        QTest::newRow("Beenden") << 3 << QStringList{"Ja"};
    }
    void pressActionDoesWhatAClickDoes() {
        QFETCH(int, button);
        QFETCH(QStringList, answers);
        const auto buttonOf = [button](frmHaupt& window) -> QWidget* {
            const std::array<QWidget*, 4> buttons{
                window.picButtonNeuesSpiel(), window.picButtonAnleitung(),
                window.picButtonCopyright(), window.picButtonExit()};
            return buttons[static_cast<size_t>(button)];
        };
        PlayedWindow clicked;
        PlayedWindow pressed;
        QSignalSpy clickedEnd(&clicked.window, &frmHaupt::exitConfirmed);
        QSignalSpy pressedEnd(&pressed.window, &frmHaupt::exitConfirmed);
        const qsizetype soundsBefore = pressed.window.SoundsPlayed().size();

        size_t clickBoxes = 0;
        {
            ModalAnswerer answerer(answers);
            Click(buttonOf(clicked.window));
            clickBoxes = answerer.boxes().size();
        }
        ModalAnswerer answerer(answers);
        PressThroughAccessibility(buttonOf(pressed.window));
        QCOMPARE(pressed.window.SoundsPlayed().size(), soundsBefore);
        QCoreApplication::sendPostedEvents();

        QCOMPARE(pressed.window.SoundsPlayed(), clicked.window.SoundsPlayed());
        QCOMPARE(pressed.window.StonesOnBoard(), clicked.window.StonesOnBoard());
        QCOMPARE(pressed.window.isEnabled(), clicked.window.isEnabled());
        QCOMPARE(pressedEnd.count(), clickedEnd.count());
        QCOMPARE(answerer.boxes().size(), clickBoxes);
        QCOMPARE(answerer.unexpected(), 0);
    }

    // A disabled window's buttons take no clicks, and no presses either; the back button of the
    // instructions brings the game back as its click does.
    void pressActionWhileTheInstructionsAreUp() {
        PlayedWindow played;
        RecordingWindow& window = played.window;
        frmAnleitung instructions([&window](Sound sound) { window.PlaySound(sound); },
                                  window.ButtonPressed(), &window);
        Click(window.picButtonAnleitung());
        instructions.show();
        QVERIFY(!window.isEnabled());
        const QStringList soundsBefore = window.SoundsPlayed();

        PressThroughAccessibility(window.picButtonNeuesSpiel());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.SoundsPlayed(), soundsBefore);
        QCOMPARE(window.StonesOnBoard(), 2);

        PressThroughAccessibility(instructions.picButtonZurueck());
        QCoreApplication::sendPostedEvents();
        QVERIFY(!instructions.isVisible());
        QVERIFY(window.isEnabled());
        QCOMPARE(window.SoundsPlayed(), soundsBefore + QStringList{"KLICK.WAV"});
    }

    // With an assistive technology listening, the board tells of every stone once it has landed
    // (never while it falls), the latest move first, and of the board emptied for a new game; the
    // column key gives it the focus, and the landed stone's cell takes the focus in it.
    void boardTellsOfTheLandedStones() {
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QAccessible::installUpdateHandler(RecordBoardEvents);
        RecordingWindow window;
        watchedWindow = &window;
        descriptionChanges.clear();
        focusedCells.clear();
        window.SetKeyboardPlay(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        window.picButtonNeuesSpiel()->setFocus();
        QTest::keyClick(window.picButtonNeuesSpiel(), '4');
        QVERIFY(window.picSpielfeld()->hasFocus());
        QCOMPARE(descriptionChanges.size(), size_t{2});
        const DescriptionChange& human = descriptionChanges[0];
        const DescriptionChange& computer = descriptionChanges[1];
        QVERIFY(!human.stoneFalling && !computer.stoneFalling);
        QVERIFY2(human.description.startsWith("Ihr letzter Zug: Spalte 4. Spalte 1: leer."),
                 qPrintable(human.description));
        QVERIFY2(human.description.contains("Spalte 4: Spieler."), qPrintable(human.description));
        const int computerCell = CellOfTheComputersStone(window);
        const QString computerMove = QStringLiteral("Letzter Zug des Computers: Spalte %1. ")
                                         .arg(computerCell % kColumnCount + 1);
        QVERIFY2(computer.description.startsWith(computerMove + "Ihr letzter Zug: Spalte 4."),
                 qPrintable(computer.description));
        QCOMPARE(Accessible(window.picSpielfeld())->text(QAccessible::Description),
                 computer.description);
        QCOMPARE(
            focusedCells,
            (QStringList{
                "Spalte 4, Feld 1 von unten: Spieler",
                Accessible(window.picSpielfeld())->child(computerCell)->text(QAccessible::Name)}));
        QVERIFY(focusedCells[1].endsWith(": Computer"));

        Click(window.picButtonNeuesSpiel());
        QCOMPARE(descriptionChanges.size(), size_t{3});
        QCOMPARE(descriptionChanges[2].description, QStringLiteral("Alle Spalten leer."));
        QCOMPARE(focusedCells.size(), 2);

        watchedWindow = nullptr;
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
    }

    void boardDescriptionReadsEachColumnFromTheBottomUp() {
        std::array<int16, kCellCount> cells{};
        const auto put = [&cells](int row, int column, int16 stone) {
            cells[static_cast<size_t>(row * kColumnCount + column)] = stone;
        };
        put(5, 1, kHuman);  // column 2: human at the bottom, computer on it
        put(4, 1, kComputer);
        for (int row = 0; row < kRowCount; ++row)  // column 7 full, computer at the bottom
            put(row, 6, row % 2 == 0 ? kHuman : kComputer);
        const LastMoves lastMoves{1, 6, kHuman};
        QCOMPARE(BoardDescription(cells, lastMoves),
                 QStringLiteral("Ihr letzter Zug: Spalte 2. Letzter Zug des Computers: Spalte 7. "
                                "Spalte 1: leer. Spalte 2: Spieler, Computer. Spalte 3: leer. "
                                "Spalte 4: leer. Spalte 5: leer. Spalte 6: leer. "
                                "Spalte 7 voll: Computer, Spieler, Computer, Spieler, Computer, "
                                "Spieler."));
    }

    // A column key clicks the middle of its column through the board's own click, with its
    // guards and refusals; without keyboard play it does nothing.
    void columnKeysPlayOnlyInKeyboardPlay_data() {
        QTest::addColumn<bool>("keyboardPlay");
        QTest::addColumn<char>("key");
        QTest::addColumn<bool>("columnFull");
        QTest::addColumn<int>("humanCell");  // -1: no stone
        QTest::addColumn<QString>("message");
        QTest::newRow("4") << true << '4' << false << 38 << QString();
        QTest::newRow("1") << true << '1' << false << 35 << QString();
        QTest::newRow("7") << true << '7' << false << 41 << QString();
        QTest::newRow("4 on a full column")
            << true << '4' << true << -1 << QStringLiteral("Diese Spalte ist schon voll !");
        QTest::newRow("4 without keyboard play") << false << '4' << false << -1 << QString();
        QTest::newRow("8") << true << '8' << false << -1 << QString();
    }
    void columnKeysPlayOnlyInKeyboardPlay() {
        QFETCH(bool, keyboardPlay);
        QFETCH(char, key);
        QFETCH(bool, columnFull);
        QFETCH(int, humanCell);
        QFETCH(QString, message);
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        window.SetKeyboardPlay(keyboardPlay);
        if (columnFull) window.game().state().ColumnState[3] = kColumnFull;
        ModalAnswerer answerer({"OK"});

        QTest::keyClick(window.picOptionen()->optStaerke(3), key);

        const auto& cells = window.game().state().Cells;
        if (humanCell >= 0) {
            QCOMPARE(cells[static_cast<size_t>(humanCell)], kHuman);
            QCOMPARE(window.StonesOnBoard(), 2);
            QCOMPARE(window.game().state().PlayerToMove, kHuman);
        } else {
            QCOMPARE(window.StonesOnBoard(), 0);
        }
        QCOMPARE(answerer.boxes().empty() ? QString() : answerer.boxes()[0].text, message);
        QCOMPARE(window.SoundsPlayed().contains("SCHNARCH.WAV"), !message.isEmpty());
    }

    // Tab reaches the drawn buttons and Space or Enter presses the focused one, only in keyboard
    // play; the instructions start in their text, and their back button follows it.
    void tabAndSpacePressADrawnButtonOnlyInKeyboardPlay_data() {
        QTest::addColumn<bool>("keyboardPlay");
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << true << int(Qt::Key_Space);
        QTest::newRow("Enter") << true << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << true << int(Qt::Key_Enter);
        QTest::newRow("Space without keyboard play") << false << int(Qt::Key_Space);
    }
    void tabAndSpacePressADrawnButtonOnlyInKeyboardPlay() {
        QFETCH(bool, keyboardPlay);
        QFETCH(int, key);
        PlayedWindow played;
        RecordingWindow& window = played.window;
        window.SetKeyboardPlay(keyboardPlay);
        const QStringList soundsBefore = window.SoundsPlayed();

        window.picSpielfeld()->setFocus();
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QCOMPARE(window.focusWidget() == window.picButtonNeuesSpiel(), keyboardPlay);
        QTest::keyClick(window.picButtonNeuesSpiel(), static_cast<Qt::Key>(key));
        QCOMPARE(window.StonesOnBoard(), keyboardPlay ? 0 : 2);
        QCOMPARE(window.SoundsPlayed(),
                 soundsBefore + (keyboardPlay ? QStringList{"KLICK.WAV"} : QStringList{}));

        frmAnleitung instructions([](Sound) {}, window.ButtonPressed(), &window);
        instructions.SetKeyboardPlay(keyboardPlay);
        instructions.show();
        QCOMPARE(instructions.focusWidget(), instructions.txtAnleitung());
        QTest::keyClick(instructions.txtAnleitung(), Qt::Key_Tab);
        QCOMPARE(instructions.focusWidget() == instructions.picButtonZurueck(), keyboardPlay);
    }

    // In keyboard play Tab walks the play area as it reads, each stop once: from the board the
    // three buttons on the left, the who-begins options, the strength options, "Beenden" last,
    // and round to the board again. (Which option of a group takes the focus is the group's.)
    void tabWalksThePlayAreaAsItReads() {
        RecordingWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.SetKeyboardPlay(true);
        const OptionsPanel* options = window.picOptionen();
        const auto stop = [&](const QWidget* widget) -> QString {
            if (widget == window.picSpielfeld()) return "Spielfeld";
            for (int index : {1, 2})
                if (widget == options->optAnfangSp(index)) return "Wer beginnt";
            for (int index : {1, 3, 4})
                if (widget == options->optStaerke(index)) return "Spielstärke";
            return widget != nullptr ? widget->accessibleName() : QString();
        };
        window.picSpielfeld()->setFocus();
        QStringList stops;
        for (int tab = 0; tab < 7; ++tab) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            stops << stop(window.focusWidget());
        }
        QCOMPARE(stops, (QStringList{"Neues Spiel", "Anleitung", "Info", "Wer beginnt",
                                     "Spielstärke", "Beenden", "Spielfeld"}));
    }

    // The focus frame shows on the focused button in keyboard play only: a gold line one layout
    // pixel wide, one pixel in, on whole device pixels at twice the density.
    void focusFrameShowsOnlyInKeyboardPlay() {
        RecordingWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        DrawnButton* button = window.picButtonNeuesSpiel();
        const auto picture = [button] {
            QImage image(button->size() * 2, QImage::Format_RGB32);
            image.setDevicePixelRatio(2);
            button->render(&image);
            return image;
        };
        const QImage normal = picture();
        button->setFocus();
        QVERIFY(button->hasFocus());
        QCOMPARE(picture(), normal);

        window.SetKeyboardPlay(true);
        button->setFocus();
        const QImage framed = picture();
        const int middle = framed.height() / 2;
        const QRgb gold = framed.pixel(2, middle);
        QCOMPARE(framed.pixel(3, middle), gold);
        QCOMPARE(framed.pixel(framed.width() / 2, 2), gold);
        QCOMPARE(framed.pixel(framed.width() - 3, middle), gold);
        QVERIFY(qRed(gold) > 200 && qGreen(gold) > 160 && qBlue(gold) < 140);
        for (const QPoint outside : {QPoint(1, middle), QPoint(4, middle)})
            QCOMPARE(framed.pixel(outside), normal.pixel(outside));

        window.SetKeyboardPlay(false);
        QVERIFY(!button->hasFocus());
        QCOMPARE(picture(), normal);
    }
};

TESSORA_QTEST(AccessibilityTest)
#include "accessibility_test.moc"
