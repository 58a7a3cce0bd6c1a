// The main window on a screen of twice the density (Qt's offscreen screen scaled by 2): every
// picture is painted for it rather than blown up from 1x, the falling stone and a drawn stone
// are exact to the device pixel, and a change of density keeps the stones on the board.
#include <QTest>
#include <algorithm>

#include "core/BoardGeometry.h"
#include "support/QtTestMain.h"
#include "tests/support/DrawnBoard.h"
#include "ui/BoardView.h"
#include "ui/artwork/Artwork.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {
constexpr int kRatio = 2;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Share of the aligned 2 x 2 pixel blocks of an image that are of one colour: 1 for a picture
// painted at 1x and blown up, far less for one painted at twice the density.
double UniformBlockShare(const QImage& image) {
    int uniform = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            uniform += p == image.pixel(x + 1, y) && p == image.pixel(x, y + 1) &&
                       p == image.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return static_cast<double>(uniform) / blocks;
}

// The main window remembering the board as it was at every refresh.
class FilmedWindow : public RecordingWindow {
  public:
    void RefreshBoard() override {
        RecordingWindow::RefreshBoard();
        QImage board = pictures().Board();
        board.detach();
        frames.push_back(board);
    }
    std::vector<QImage> frames;
};

// Draws onto a board picture at the ratio the part of a stone at (left, top) layout pixels that
// `visible` allows: the stone where its mask is black and visible(x, y) holds.
template <typename Visible>
void PutStone(QImage& board, int left, int top, const QImage& stone, Visible visible) {
    const QImage mask = artwork::StoneMask(kRatio);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.pixel(x, y) == kBlack && visible(x, y)) {
                board.setPixel(left * kRatio + x, top * kRatio + y, stone.pixel(x, y));
            }
        }
    }
}

// The empty board with the visible part of a human stone at (left, top).
template <typename Visible>
QImage BoardWithStone(int left, int top, Visible visible) {
    QImage board = artwork::BoardPicture(kRatio);
    PutStone(board, left, top, artwork::HumanStone(kRatio), visible);
    return board;
}
}  // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

  public:
    // Qt reads the scale factor when the application object starts.
    static void initMain() { qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio)); }

  private slots:
    void picturesArePaintedForTheScreenNotBlownUp() {
        RecordingWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), 2.0);
        QCOMPARE(window.pictures().ratio(), kRatio);
        QCOMPARE(window.pictures().EmptyBoard(), artwork::BoardPicture(kRatio));
        // What reaches the screen, device pixel for device pixel.
        const QImage board = window.picSpielfeld()->grab().toImage();
        const QImage button = window.picButtonNeuesSpiel()->grab().toImage();
        const QImage area = window.picContainer()->grab().toImage();
        QCOMPARE(board.size(), QSize(880, 690));
        QCOMPARE(board.convertToFormat(QImage::Format_RGB32), window.pictures().EmptyBoard());
        QCOMPARE(button.size(), QSize(220, 54));
        for (const QImage& shot : {board, button, area}) {
            QVERIFY2(UniformBlockShare(shot) < 0.5,
                     qPrintable(QString::number(UniformBlockShare(shot))));
        }
    }

    // The human's stone falls down column 5 to the bottom row: every frame shows the stone
    // exactly where it lies over a hole of the column, the board everywhere else, and the
    // landed stone fills its hole exactly.
    void fallingStoneAndDrawnStoneAreExactInDevicePixels() {
        FilmedWindow window;
        window.show();
        ClickColumn(window, 5);
        const QImage column = artwork::ColumnMask(kRatio);
        const int left = ColumnLeft(5);
        const std::vector<int> tops = {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 290};
        QVERIFY(window.frames.size() > tops.size());
        for (std::size_t i = 0; i < tops.size(); ++i) {
            const int top = tops[i];
            const QImage expected = BoardWithStone(left, top, [&](int x, int y) {
                return column.pixel(x, top * kRatio + y) == kWhite;
            });
            QVERIFY2(window.frames[i] == expected,
                     qPrintable(QStringLiteral("frame at %1").arg(top)));
        }
        const QImage landed = BoardWithStone(left, 290, [](int, int) { return true; });
        QVERIFY(window.frames[tops.size()] == landed);
    }

    // The human's line of four (bottom row, columns 1 to 4) is shown in the highlight stone,
    // painted for the screen like every stone.
    void winningLineIsHighlightedInDevicePixels() {
        FilmedWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        GameState& state = window.game().state();
        SetCells(state, "....... ....... ....... ....... ....... ooo....");
        for (int cell : {35, 36, 37})
            window.game().SteinSetzen(cell, kHuman);
        ModalAnswerer answerer({"OK"});
        ClickColumn(window, 3);
        QCOMPARE(answerer.boxes().size(), std::size_t{1});
        QCOMPARE(answerer.boxes()[0].title, QStringLiteral("Sieg"));

        QImage highlighted = artwork::BoardPicture(kRatio);
        for (int column = 0; column < 4; ++column) {
            PutStone(highlighted, ColumnLeft(column), RowTop(kRowCount - 1),
                     artwork::HighlightStone(kRatio), [](int, int) { return true; });
        }
        QVERIFY(std::find(window.frames.begin(), window.frames.end(), highlighted) !=
                window.frames.end());
    }

    // On a screen of another density the pictures are painted anew and the position's stones
    // are drawn again; back on this screen the board is what it was.
    void changeOfDensityKeepsTheStones() {
        RecordingWindow window;
        window.game().options().AnimationOn = false;
        window.show();
        ClickColumn(window, 3);
        QCOMPARE(window.StonesOnBoard(), 2);
        const QImage before = window.pictures().Board();

        window.UsePictureRatio(1);
        QCOMPARE(window.pictures().Board().size(), QSize(440, 345));
        const QImage stone = window.pictures().Image(Picture::HumanStone);
        QCOMPARE(window.pictures().Board().pixel(ColumnLeft(3) + 20, RowTop(5) + 20),
                 stone.pixel(20, 20));
        QCOMPARE(window.picButtonNeuesSpiel()->grab().toImage().size(), QSize(220, 54));

        window.UsePictureRatio(kRatio);
        QCOMPARE(window.pictures().Board(), before);
    }
};

TESSORA_QTEST(HighDensityTest)
#include "high_density_test.moc"
