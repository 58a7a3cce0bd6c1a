// The game enlarged by --zoom and played in a window (--fenster): the factor each choice gives,
// and a window at factor 2.25 (what --zoom max gives on 1920 x 1080) on a 2560 x 1440 screen,
// where the window and its frame fit.
#include "app/Zoom.h"

#include <QTemporaryFile>
#include <QTest>

#include "support/QtTestMain.h"
#include "support/ShownSession.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"

using namespace tessora;

namespace {
constexpr double kZoom = 2.25;

// A game on a silent sound device, the falling animation off, with whatever the window does
// once it is on the screen done; in a window at factor 2.25 unless other options are given.
struct WindowedGame : test::ShownSession {
    explicit WindowedGame(StartOptions options = Options()) : ShownSession(options) {
        QCoreApplication::processEvents();
        window = session.mainWindow();
        window->game().options().AnimationOn = false;
    }
    static StartOptions Options() {
        StartOptions options;
        options.windowed = true;
        options.zoom = kZoom;
        return options;
    }

    frmHaupt* window = nullptr;
};

// The column the human's last stone went into, or -1.
int HumanColumn(const GameState& state) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (state.Cells[cell] == kHuman) return cell % kColumnCount;
    }
    return -1;
}
}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT

  public:
    // The offscreen platform's screen, read when the application object starts.
    static void initMain() {
        static QTemporaryFile screens;
        if (!screens.open()) qFatal("no file for the offscreen screen");
        screens.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2560,
                          "height": 1440, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }

  private slots:
    void maxFitsThePlayAreaIntoTheScreen_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("zoom");
        QTest::newRow("1920 x 1080") << QSizeF(1920, 1080) << 2.25;
        QTest::newRow("1366 x 768") << QSizeF(1366, 768) << 1.6;
        QTest::newRow("wider than high") << QSizeF(3000, 960) << 2.0;
        QTest::newRow("4K, at most 4") << QSizeF(3840, 2160) << 4.0;
        QTest::newRow("smaller than the play area, at least 1") << QSizeF(600, 400) << 1.0;
    }
    void maxFitsThePlayAreaIntoTheScreen() {
        QFETCH(QSizeF, screen);
        QFETCH(double, zoom);
        QCOMPARE(ZoomToFit(screen), zoom);
    }

    // A given factor is the factor; --zoom max fits the whole screen, or in a window the
    // screen's area free for windows (here a panel takes 40 pixels).
    void zoomFactorOfTheOptions_data() {
        QTest::addColumn<bool>("max");
        QTest::addColumn<bool>("windowed");
        QTest::addColumn<double>("zoom");
        QTest::newRow("--zoom 1.5") << false << false << 1.5;
        QTest::newRow("--zoom 1.5 --fenster") << false << true << 1.5;
        QTest::newRow("--zoom max") << true << false << 2.25;
        QTest::newRow("--zoom max --fenster") << true << true << 1040 / 480.0;
    }
    void zoomFactorOfTheOptions() {
        QFETCH(bool, max);
        QFETCH(bool, windowed);
        QFETCH(double, zoom);
        StartOptions options;
        options.zoom = 1.5;
        options.zoomToScreen = max;
        options.windowed = windowed;
        QCOMPARE(ZoomFactor(options, QSizeF(1920, 1080), QSizeF(1920, 1040)), zoom);
    }

    // The window is the play area's size times the factor; everything in it is the layout's.
    void windowIsThePlayAreaTimesTheFactor() {
        WindowedGame game;
        QVERIFY(!game.window->isFullScreen());
        QCOMPARE(game.window->size(), QSize(1440, 1080));
        QCOMPARE(game.window->layoutScale(), kZoom);
        QCOMPARE(game.window->picContainer()->geometry(), QRect(0, 0, 1440, 1080));
        QCOMPARE(game.window->pictures().ratio(), kZoom);
    }

    // Full screen, the window covers the screen to its last device pixel at any factor, and the
    // play area lies in its middle on whole pixels (a window of 1919 pixels on a screen of 1920
    // put it one pixel left of the middle).
    void fullScreenFillsTheScreenExactly_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2.25") << 2.25;
        QTest::newRow("3") << 3.0;
    }
    void fullScreenFillsTheScreenExactly() {
        QFETCH(double, zoom);
        StartOptions options;
        options.zoom = zoom;
        const WindowedGame game(options);
        frmHaupt* window = game.window;
        const QRect screen = window->screen()->geometry();
        const double ratio = window->devicePixelRatioF();
        QCOMPARE(QSizeF(window->size()) * ratio, QSizeF(screen.size()) * ratio);
        const QRect area = window->picContainer()->geometry();
        QCOMPARE(area.size(), (QSizeF(640, 480) * zoom).toSize());
        QCOMPARE(area.left(), screen.width() - area.right() - 1);
        QCOMPARE(area.top(), screen.height() - area.bottom() - 1);
    }

    // In a window resized to another shape the play area fills it as far as it can with its
    // proportions kept, in the middle, and a click anywhere in a column's stones drops the
    // stone into that column; also when the window is only widened and the scale stays.
    void clicksFindTheirColumnsInAResizedWindow_data() {
        QTest::addColumn<QSize>("before");
        QTest::addColumn<QSize>("size");
        QTest::newRow("as started") << QSize() << QSize(1440, 1080);
        QTest::newRow("wider") << QSize() << QSize(1000, 560);
        QTest::newRow("taller") << QSize() << QSize(700, 800);
        QTest::newRow("widened at the same scale") << QSize(640, 480) << QSize(800, 480);
    }
    void clicksFindTheirColumnsInAResizedWindow() {
        QFETCH(QSize, before);
        QFETCH(QSize, size);
        WindowedGame game;
        if (before.isValid()) game.window->resize(before);
        game.window->resize(size);
        const double scale = std::min(size.width() / 640.0, size.height() / 480.0);
        QCOMPARE(game.window->layoutScale(), scale);
        const QRect area = game.window->picContainer()->geometry();
        QVERIFY(qAbs(area.width() - 640 * scale) <= 1);
        QVERIFY(qAbs(area.center().x() - size.width() / 2) <= 1);
        QVERIFY(qAbs(area.center().y() - size.height() / 2) <= 1);

        BoardView* board = game.window->picSpielfeld();
        for (int column = 0; column < kColumnCount; ++column) {
            // Just inside the left and right edges of the column's stones (20 + 60 k to 60 k
            // + 59 layout pixels), on the board as shown.
            for (const double layoutX : {20.5 + 60 * column, 59.5 + 60 * column}) {
                game.window->game().NewGame();
                const QPointF at(layoutX * scale, 100 * scale);
                QMouseEvent release(QEvent::MouseButtonRelease, at, board->mapToGlobal(at),
                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(board, &release);
                QCOMPARE(HumanColumn(game.window->game().state()), column);
            }
        }
    }
};

TESSORA_QTEST(ZoomTest)
#include "zoom_test.moc"
