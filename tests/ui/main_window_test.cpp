#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "support/QtTestMain.h"
#include "tests/support/DrawnBoard.h"
#include "ui/BoardView.h"
#include "ui/OptionsPanel.h"
#include "ui/artwork/Artwork.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void windowIsBlackAndFullScreenWithThePlayAreaCentred() {
        RecordingWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tessora"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::black));
        const QSize screen = window.screen()->geometry().size();
        QCOMPARE(window.size(), screen);
        const QRect area = window.picContainer()->geometry();
        QCOMPARE(area.size(), QSize(640, 480));
        QCOMPARE(area.topLeft(), QPoint((screen.width() - 640) / 2, (screen.height() - 480) / 2));
        const QImage shot = window.grab().toImage();
        QCOMPARE(QColor(shot.pixel(0, 0)), QColor(Qt::black));
    }

    // Positions in pixels: the window's twips divided by 15.
    void controlsSitAtTheirPlaces_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::newRow("board") << "picSpielfeld" << QRect(168, 88, 440, 345);
        QTest::newRow("status") << "lblStatus" << QRect(168, 432, 441, 17);
        QTest::newRow("new game") << "picButtonNeuesSpiel" << QRect(21, 96, 110, 27);
        QTest::newRow("instructions") << "picButtonAnleitung" << QRect(21, 132, 110, 27);
        QTest::newRow("about") << "picButtonCopyright" << QRect(21, 168, 110, 27);
        QTest::newRow("exit") << "picButtonExit" << QRect(544, 448, 89, 27);
        QTest::newRow("options") << "picOptionen" << QRect(16, 208, 121, 225);
    }
    void controlsSitAtTheirPlaces() {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        RecordingWindow window;
        const std::map<QString, QWidget*> controls{
            {"picSpielfeld", window.picSpielfeld()},
            {"lblStatus", window.lblStatus()},
            {"picButtonNeuesSpiel", window.picButtonNeuesSpiel()},
            {"picButtonAnleitung", window.picButtonAnleitung()},
            {"picButtonCopyright", window.picButtonCopyright()},
            {"picButtonExit", window.picButtonExit()},
            {"picOptionen", window.picOptionen()}};
        QWidget* widget = controls.at(control);
        QCOMPARE(widget->parentWidget(), window.picContainer());
        QCOMPARE(widget->geometry(), place);
    }

    void optionsPanelHoldsTheTwoFramesWithTheirChoices() {
        RecordingWindow window;
        OptionsPanel* panel = window.picOptionen();
        const QList<QGroupBox*> frames = panel->findChildren<QGroupBox*>();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0]->title(), QStringLiteral("Wer beginnt ?"));
        QCOMPARE(frames[0]->geometry(), QRect(10, 16, 97, 73));
        QCOMPARE(frames[1]->title(), QStringLiteral("Spielstärke :"));
        QCOMPARE(frames[1]->geometry(), QRect(10, 104, 97, 105));

        const struct {
            QRadioButton* option;
            const char* caption;
            QRect place;
            bool selected;
        } options[] = {
            {panel->optAnfangSp(1), "Spieler", QRect(8, 24, 81, 17), true},
            {panel->optAnfangSp(2), "Computer", QRect(8, 48, 81, 17), false},
            {panel->optStaerke(1), "Anfänger", QRect(8, 24, 81, 17), false},
            {panel->optStaerke(3), "Experte", QRect(8, 48, 81, 17), true},
            {panel->optStaerke(4), "Profi", QRect(8, 72, 81, 17), false},
        };
        for (const auto& o : options) {
            QCOMPARE(o.option->text(), QString::fromUtf8(o.caption));
            QCOMPARE(o.option->geometry(), o.place);
            QCOMPARE(o.option->isChecked(), o.selected);
            QCOMPARE(o.option->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
            QCOMPARE(o.option->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
        QCOMPARE(panel->optStaerke(2), nullptr);
    }

    void loadSetsTheOptionDefaultsAndStartsAGameForTheHuman() {
        RecordingWindow window;
        const Game& game = window.game();
        QCOMPARE(game.state().options.Strength, 3);
        QVERIFY(game.state().options.SoundOn);
        QVERIFY(game.state().options.AnimationOn);
        QVERIFY(!window.ButtonPressed().value);
        QCOMPARE(game.state().PlayerToMove, kHuman);
        QCOMPARE(window.lblStatus()->text(),
                 QStringLiteral("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen."));
        QCOMPARE(game.texts().ExitQuestion, "Wollen Sie Tessora wirklich beenden ?");
        QCOMPARE(window.pictures().Board(), window.pictures().EmptyBoard());
    }

    // The logo goes onto the tiled play area through its mask: the logo where the mask is black,
    // the background tile everywhere else.
    void logoIsDrawnThroughItsMaskOverTheTiledBackground() {
        RecordingWindow window;
        const QImage& area = window.containerPicture();
        const artwork::paint::MaskedPicture painted = artwork::LogoWithMask();
        const QImage& logo = painted.picture;
        const QImage& mask = painted.mask;
        const QImage tile = artwork::BackgroundTile();
        const QPoint at(248, 8);
        int logoPixels = 0;
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                const bool inLogo = mask.pixel(x, y) == 0xFF000000;
                const QRgb expected =
                    inLogo ? logo.pixel(x, y)
                           : tile.pixel((at.x() + x) % tile.width(), (at.y() + y) % tile.height());
                QCOMPARE(area.pixel(at + QPoint(x, y)), expected);
                logoPixels += inLogo ? 1 : 0;
            }
        }
        QVERIFY(logoPixels > 0);
        // Tiling continues across the whole area, down to its last row.
        QCOMPARE(area.pixel(639, 479), tile.pixel(639 % tile.width(), 479 % tile.height()));
    }

    // Form_Load whitens every stone picture around its stone through the stone mask.
    void stonePicturesAreWhiteOutsideTheMask() {
        RecordingWindow window;
        const QImage& mask = window.pictures().Image(Picture::StoneMask);
        for (Picture stone :
             {Picture::HumanStone, Picture::ComputerStone, Picture::HighlightStone}) {
            const QImage& image = window.pictures().Image(stone);
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    if (mask.pixel(x, y) == 0xFFFFFFFF) QCOMPARE(image.pixel(x, y), 0xFFFFFFFFu);
                }
            }
        }
    }

    void boardShowsTheDrawnStonesAndNewGamePutsTheEmptyBoardBack() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ClickColumn(window, 0);
        QVERIFY(window.pictures().Board() != window.pictures().EmptyBoard());
        // The human's stone lies in the bottom-left cell at (20, 290).
        const QImage shown = window.picSpielfeld()->grab().toImage();
        QCOMPARE(shown.pixel(40, 310), window.pictures().Image(Picture::HumanStone).pixel(20, 20));
        window.RestoreBoardPicture();
        QCOMPARE(window.pictures().Board(), window.pictures().EmptyBoard());
    }

    void buttonHooksOpenTheirWindowsWithTheirSounds_data() {
        QTest::addColumn<bool>("instructions");
        QTest::addColumn<QString>("sound");
        QTest::newRow("instructions") << true << "ANLEITUN.WAV";
        QTest::newRow("about") << false << "TADA.WAV";
    }
    void buttonHooksOpenTheirWindowsWithTheirSounds() {
        QFETCH(bool, instructions);
        QFETCH(QString, sound);
        RecordingWindow window;
        window.show();
        DrawnButton* button =
            instructions ? window.picButtonAnleitung() : window.picButtonCopyright();
        auto hook = instructions ? &frmHaupt::showInstructions : &frmHaupt::showCopyright;

        // Nobody to show the window yet: the click sounds and the window stays usable.
        Press(button, QPoint(5, 5));
        Release(button, QPoint(5, 5));
        QCOMPARE(window.SoundsPlayed(), QStringList{"KLICK.WAV"});
        QVERIFY(window.isEnabled());

        bool enabledWhenShown = false;
        connect(&window, hook, &window, [&] { enabledWhenShown = window.isEnabled(); });
        Press(button, QPoint(5, 5));
        Release(button, QPoint(5, 5));
        QVERIFY(enabledWhenShown);
        QVERIFY(!window.isEnabled());
        QCOMPARE(window.SoundsPlayed(), (QStringList{"KLICK.WAV", "KLICK.WAV", sound}));
    }

    void exitAsksAndEndsUnlessTheAnswerIsNo_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("exits");
        QTest::newRow("Ja") << "Ja" << 1;
        QTest::newRow("Nein") << "Nein" << 0;
    }
    void exitAsksAndEndsUnlessTheAnswerIsNo() {
        QFETCH(QString, answer);
        QFETCH(int, exits);
        RecordingWindow window;
        window.show();
        QSignalSpy exitSpy(&window, &frmHaupt::exitConfirmed);
        ModalAnswerer answerer({answer});
        Press(window.picButtonExit(), QPoint(5, 5));
        Release(window.picButtonExit(), QPoint(5, 5));
        QCOMPARE(answerer.boxes().size(), size_t{1});
        QCOMPARE(answerer.boxes()[0].title, QStringLiteral("-=Beenden=-"));
        QCOMPARE(answerer.boxes()[0].text, QStringLiteral("Wollen Sie Tessora wirklich beenden ?"));
        QCOMPARE(exitSpy.count(), exits);
        QCOMPARE(window.SoundsPlayed(), QStringList{"KLICK.WAV"});
    }

    // The second press of a double-click comes as a double-click event: the button acts once.
    void doubleClickOnADrawnButtonActsOnce() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        {
            ModalAnswerer answerer({"Nein"});
            window.picOptionen()->optAnfangSp(2)->click();
        }
        const qsizetype soundsBefore = window.SoundsPlayed().size();
        DrawnButton* button = window.picButtonNeuesSpiel();
        const QPointF at(5, 5);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease
                                              ? Qt::MouseButtons()
                                              : Qt::MouseButtons(Qt::LeftButton);
            QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(button, &event);
            QVERIFY(!button->pressedImageShown() || type == QEvent::MouseButtonPress);
        }
        // One new game, opened by the computer with one stone.
        QCOMPARE(window.SoundsPlayed().mid(soundsBefore), (QStringList{"KLICK.WAV", "KLACK.WAV"}));
        QCOMPARE(window.StonesOnBoard(), 1);
        QVERIFY(!window.ButtonPressed().value);
    }

    // The program ends in the middle of a move: from then on nothing is heard, drawn or asked
    // (no result either), and the move stops at once instead of playing on behind the closed
    // window.
    void endingDuringAMoveIsSilent_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<bool>("byClosing");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("column");  // the human's click, 0..6
        // After the human's stone in column 7 the computer wins with its stone in column 4.
        const QString computerWins = "....... ....... ....... ....... ....... xxx.oo.";
        // The human's stone in column 2 fills the board: a draw.
        const QString humanFills = "x.xoxox xoxoxox xoxoxox oxoxoxo oxoxoxo oxoxoxo";
        QTest::newRow("human's stone falls") << "human falls" << false << computerWins << 6;
        QTest::newRow("computer thinks") << "thinking" << false << computerWins << 6;
        QTest::newRow("computer's winning stone falls")
            << "computer falls" << false << computerWins << 6;
        QTest::newRow("window closed while the stone falls")
            << "computer falls" << true << computerWins << 6;
        QTest::newRow("human's stone filling the board falls")
            << "human falls" << false << humanFills << 1;
    }
    void endingDuringAMoveIsSilent() {
        QFETCH(QString, moment);
        QFETCH(bool, byClosing);
        QFETCH(QString, board);
        QFETCH(int, column);
        RecordingWindow window;
        window.show();
        GameState& state = window.game().state();
        SetCells(state, board.toStdString());
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (state.Cells[cell] != 0) window.game().SteinSetzen(cell, state.Cells[cell]);
        }
        const auto due = [&] {
            const WindowFlags& flags = window.game().flags();
            if (moment == "human falls") return flags.DropRunning && !flags.ComputerThinking;
            if (moment == "thinking") return flags.ComputerThinking && !flags.DropRunning;
            return flags.ComputerThinking && flags.DropRunning;
        };
        QSignalSpy exitSpy(&window, &frmHaupt::exitConfirmed);
        ModalAnswerer answerer({"Ja"});
        QStringList soundsBefore;
        QImage boardBefore;
        QTimer exiter;
        exiter.setInterval(0);
        connect(&exiter, &QTimer::timeout, &window, [&] {
            if (!due() || exitSpy.count() > 0) return;
            if (byClosing) {
                window.close();
            } else {
                Press(window.picButtonExit(), QPoint(5, 5));
                Release(window.picButtonExit(), QPoint(5, 5));
            }
            soundsBefore = window.SoundsPlayed();
            boardBefore = window.pictures().Board().copy();
        });
        exiter.start();
        ClickColumn(window, column);
        exiter.stop();

        QCOMPARE(exitSpy.count(), 1);
        QCOMPARE(window.SoundsPlayed(), soundsBefore);
        QCOMPARE(answerer.boxes().size(), byClosing ? size_t{0} : size_t{1});
        QCOMPARE(window.pictures().Board(), boardBefore);
        QVERIFY(!window.game().flags().DropRunning);
        QVERIFY(!window.game().flags().ComputerThinking);
        QVERIFY(!window.FallTimerEnabled());
    }
};

TESSORA_QTEST(MainWindowTest)
#include "main_window_test.moc"
