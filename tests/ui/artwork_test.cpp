// The painted pictures: sizes, masks, how stones sit in the board's holes and show through the
// column mask while falling, and seamless tiles.
#include "ui/artwork/Artwork.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

#include "core/BoardGeometry.h"
#include "platform/BitBlt.h"
#include "support/QtTestMain.h"
#include "ui/GamePictures.h"
#include "ui/support/GameInvariants.h"

using namespace tessora::artwork;
using tessora::BitBlt;
using tessora::ColumnLeft;
using tessora::RasterOp;
using tessora::RowTop;
using tessora::SourceViewOf;
using tessora::ViewOf;
using tessora::test::DrawStone;

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

bool IsBlackOrWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != kWhite && p != kBlack) return false;
        }
    }
    return true;
}

double MeanColumnDifference(const QImage& image, int a, int b) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(a, y), q = image.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / image.height();
}

// A tile repeats without a seam when the step across its wrap-around edge is no larger than a
// typical step between neighbouring columns inside it; checked across both edges.
void CheckSeamless(const QImage& tile) {
    for (const QImage& image : {tile, tile.transformed(QTransform().rotate(90))}) {
        double inside = 0;
        for (int x = 0; x + 1 < image.width(); ++x)
            inside += MeanColumnDifference(image, x, x + 1);
        inside /= image.width() - 1;
        const double seam = MeanColumnDifference(image, image.width() - 1, 0);
        QVERIFY2(seam <= 1.5 * inside + 1.0,
                 qPrintable(QStringLiteral("seam %1, typical inside %2").arg(seam).arg(inside)));
    }
}
}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureHasItsSizeAndFormat_data();
    void everyPictureHasItsSizeAndFormat();
    void masksArePureBlackAndWhite_data();
    void masksArePureBlackAndWhite();
    void stonesAreWhiteExactlyOutsideTheMask_data();
    void stonesAreWhiteExactlyOutsideTheMask();
    void stonesOfTheThreeKindsLookDifferent();
    void columnMaskHolesAreTheStoneDiscAtEveryRow();
    void boardShowsAHoleAtEveryCell();
    void stoneDrawnThroughTheMaskFillsItsHoleAndNothingElse();
    void fallingStoneShowsOnlyWhereItPassesAHole();
    void fallingStoneOnItsLandingCellIsWhollyVisible();
    void letteringIsWhiteOutsideItsMaskAndFillsIt_data();
    void letteringIsWhiteOutsideItsMaskAndFillsIt();
    void tilesRepeatWithoutSeams();
    void buttonsShowACaptionAndAPressedLook();
    void iconIsOpaqueInTheMiddleAndClearAtTheCorners();
};

using Painter = std::function<QImage()>;
Q_DECLARE_METATYPE(Painter)

void ArtworkTest::everyPictureHasItsSizeAndFormat_data() {
    QTest::addColumn<Painter>("paint");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board") << Painter([] { return BoardPicture(); }) << QSize(440, 345);
    QTest::newRow("human stone") << Painter([] { return HumanStone(); }) << QSize(40, 40);
    QTest::newRow("computer stone") << Painter([] { return ComputerStone(); }) << QSize(40, 40);
    QTest::newRow("highlight stone") << Painter([] { return HighlightStone(); }) << QSize(40, 40);
    QTest::newRow("stone mask") << Painter([] { return StoneMask(); }) << QSize(40, 40);
    QTest::newRow("column mask") << Painter([] { return ColumnMask(); }) << QSize(40, 330);
    QTest::newRow("logo") << Painter([] { return LogoWithMask().picture; }) << QSize(273, 66);
    QTest::newRow("logo mask") << Painter([] { return LogoWithMask().mask; }) << QSize(273, 66);
    QTest::newRow("background tile") << Painter([] { return BackgroundTile(); }) << QSize(128, 128);
    QTest::newRow("options tile") << Painter([] { return OptionsTile(); }) << QSize(94, 38);
    QTest::newRow("heading") << Painter([] { return InstructionsHeadingWithMask().picture; })
                             << QSize(300, 50);
    QTest::newRow("heading mask") << Painter([] { return InstructionsHeadingWithMask().mask; })
                                  << QSize(300, 50);
    const ButtonId wide[] = {ButtonId::NeuesSpiel, ButtonId::Anleitung, ButtonId::Copyright,
                             ButtonId::Zurueck};
    for (ButtonId id : wide) {
        for (bool pressed : {false, true}) {
            QTest::addRow("button %d %s", static_cast<int>(id), pressed ? "pressed" : "normal")
                << Painter([=] { return Button(id, pressed); }) << QSize(110, 27);
        }
    }
    QTest::newRow("exit button") << Painter([] { return Button(ButtonId::Exit, false); })
                                 << QSize(89, 27);
    QTest::newRow("exit button pressed")
        << Painter([] { return Button(ButtonId::Exit, true); }) << QSize(89, 27);
}

void ArtworkTest::everyPictureHasItsSizeAndFormat() {
    QFETCH(Painter, paint);
    QFETCH(QSize, size);
    const QImage image = paint();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
}

void ArtworkTest::masksArePureBlackAndWhite_data() {
    QTest::addColumn<Painter>("paint");
    QTest::newRow("stone mask") << Painter([] { return StoneMask(); });
    QTest::newRow("column mask") << Painter([] { return ColumnMask(); });
    QTest::newRow("logo mask") << Painter([] { return LogoWithMask().mask; });
    QTest::newRow("heading mask") << Painter([] { return InstructionsHeadingWithMask().mask; });
}

void ArtworkTest::masksArePureBlackAndWhite() {
    QFETCH(Painter, paint);
    QVERIFY(IsBlackOrWhite(paint()));
}

void ArtworkTest::stonesAreWhiteExactlyOutsideTheMask_data() {
    QTest::addColumn<Painter>("paint");
    QTest::newRow("human") << Painter([] { return HumanStone(); });
    QTest::newRow("computer") << Painter([] { return ComputerStone(); });
    QTest::newRow("highlight") << Painter([] { return HighlightStone(); });
}

void ArtworkTest::stonesAreWhiteExactlyOutsideTheMask() {
    QFETCH(Painter, paint);
    const QImage stone = paint();
    const QImage mask = StoneMask();
    int onStone = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inMask = mask.pixel(x, y) == kBlack;
            onStone += inMask;
            QCOMPARE(stone.pixel(x, y) == kWhite, !inMask);
        }
    }
    // A round stone nearly filling its 40 x 40 square, with a margin for the hole's lip.
    QVERIFY(onStone > 1000 && onStone < 1257);
    QCOMPARE(mask.pixel(0, 0), kWhite);
    QCOMPARE(mask.pixel(20, 20), kBlack);
}

void ArtworkTest::stonesOfTheThreeKindsLookDifferent() {
    const QRgb human = HumanStone().pixel(20, 24);
    const QRgb computer = ComputerStone().pixel(20, 24);
    const QRgb highlight = HighlightStone().pixel(20, 24);
    QVERIFY(qRed(human) > 2 * qGreen(human));                 // red
    QVERIFY(qRed(computer) > 150 && qGreen(computer) > 110);  // yellow
    QVERIFY(qBlue(computer) < qGreen(computer) / 2);
    QVERIFY(qGreen(highlight) > qRed(highlight) + 60);  // green
}

void ArtworkTest::columnMaskHolesAreTheStoneDiscAtEveryRow() {
    const QImage column = ColumnMask();
    const QImage mask = StoneMask();
    for (int y = 0; y < 330; ++y) {
        const int row = (y - 15) / 55;
        const int inCell = (y - 15) - 55 * row;
        const bool besideHole = y < 15 || inCell >= 40;
        for (int x = 0; x < 40; ++x) {
            const bool hole = !besideHole && mask.pixel(x, inCell) == kBlack;
            QCOMPARE(column.pixel(x, y), hole ? kWhite : kBlack);
        }
    }
}

void ArtworkTest::boardShowsAHoleAtEveryCell() {
    const QImage board = BoardPicture();
    for (int cell = 0; cell < 42; ++cell) {
        const int left = ColumnLeft(cell % 7), top = RowTop(cell / 7);
        // The middle of a hole shows the light wall behind the board...
        const QRgb middle = board.pixel(left + 22, top + 22);
        QVERIFY2(qRed(middle) > 150 && qGreen(middle) > 150, qPrintable(QString::number(cell)));
        // ...and just beyond the hole's edge on every side is blue plastic.
        const QPoint around[] = {{left - 3, top + 20},
                                 {left + 42, top + 20},
                                 {left + 20, top - 3},
                                 {left + 20, top + 42}};
        for (const QPoint& at : around) {
            const QRgb p = board.pixel(at);
            QVERIFY2(
                qBlue(p) > qRed(p) + 40 && qBlue(p) > qGreen(p) + 20,
                qPrintable(QStringLiteral("cell %1 at %2,%3").arg(cell).arg(at.x()).arg(at.y())));
        }
    }
}

void ArtworkTest::stoneDrawnThroughTheMaskFillsItsHoleAndNothingElse() {
    const QImage empty = BoardPicture();
    const QImage stone = HumanStone();
    const QImage mask = StoneMask();
    for (int cell : {0, 6, 24, 35, 41}) {
        QImage board = empty;
        DrawStone(ViewOf(board), cell, SourceViewOf(mask), SourceViewOf(stone));
        const int left = ColumnLeft(cell % 7), top = RowTop(cell / 7);
        for (int y = 0; y < 345; ++y) {
            for (int x = 0; x < 440; ++x) {
                const bool inSquare = x >= left && x < left + 40 && y >= top && y < top + 40;
                const bool onStone = inSquare && mask.pixel(x - left, y - top) == kBlack;
                QCOMPARE(board.pixel(x, y),
                         onStone ? stone.pixel(x - left, y - top) : empty.pixel(x, y));
            }
        }
        // Only plastic remains around the stone: the ring just outside it is the lip.
        const QRgb beside = board.pixel(left - 1, top + 20);
        QVERIFY(qBlue(beside) > qRed(beside));
    }
}

void ArtworkTest::fallingStoneShowsOnlyWhereItPassesAHole() {
    const QImage column = ColumnMask();
    const QImage mask = StoneMask();
    for (int fallY : {0, 30, 60, 150, 270}) {
        QImage visible = mask;
        BitBlt(ViewOf(visible), 0, 0, 40, 40, SourceViewOf(column), 0, fallY, RasterOp::MergePaint);
        int shown = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool expected =
                    mask.pixel(x, y) == kBlack && column.pixel(x, fallY + y) == kWhite;
                QCOMPARE(visible.pixel(x, y) == kBlack, expected);
                shown += expected;
            }
        }
        // Between two holes a part of the stone shows in each; at the top only a sliver.
        QVERIFY(shown > 0);
        QVERIFY(shown < 1200);
    }
}

void ArtworkTest::fallingStoneOnItsLandingCellIsWhollyVisible() {
    const QImage column = ColumnMask();
    const QImage mask = StoneMask();
    for (int row = 0; row < 6; ++row) {
        QImage visible = mask;
        BitBlt(ViewOf(visible), 0, 0, 40, 40, SourceViewOf(column), 0, RowTop(row),
               RasterOp::MergePaint);
        QCOMPARE(visible, mask);
    }
}

void ArtworkTest::letteringIsWhiteOutsideItsMaskAndFillsIt_data() {
    QTest::addColumn<Painter>("picture");
    QTest::addColumn<Painter>("mask");
    QTest::newRow("logo") << Painter([] { return LogoWithMask().picture; })
                          << Painter([] { return LogoWithMask().mask; });
    QTest::newRow("heading") << Painter([] { return InstructionsHeadingWithMask().picture; })
                             << Painter([] { return InstructionsHeadingWithMask().mask; });
}

void ArtworkTest::letteringIsWhiteOutsideItsMaskAndFillsIt() {
    QFETCH(Painter, picture);
    QFETCH(Painter, mask);
    const QImage image = picture();
    const QImage cover = mask();
    int covered = 0, white = 0;
    QRect used;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (cover.pixel(x, y) == kWhite) {
                QCOMPARE(image.pixel(x, y), kWhite);
            } else {
                ++covered;
                white += image.pixel(x, y) == kWhite;
                used |= QRect(x, y, 1, 1);
            }
        }
    }
    const int area = image.width() * image.height();
    QVERIFY2(covered > area / 5 && covered < area * 4 / 5, qPrintable(QString::number(covered)));
    QCOMPARE(white, 0);
    // The lettering fills the picture's width or height, with at most a small margin.
    QVERIFY(used.width() > image.width() * 9 / 10 || used.height() > image.height() * 9 / 10);
}

void ArtworkTest::tilesRepeatWithoutSeams() {
    CheckSeamless(BackgroundTile());
    CheckSeamless(OptionsTile());
}

void ArtworkTest::buttonsShowACaptionAndAPressedLook() {
    const ButtonId ids[] = {ButtonId::NeuesSpiel, ButtonId::Anleitung, ButtonId::Copyright,
                            ButtonId::Exit, ButtonId::Zurueck};
    QList<QImage> seen;
    for (ButtonId id : ids) {
        const QImage normal = Button(id, false);
        QVERIFY(normal != Button(id, true));
        // The caption is light on a blue plate.
        int light = 0;
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x) {
                const QRgb p = normal.pixel(x, y);
                light += qRed(p) > 220 && qGreen(p) > 210 && qBlue(p) > 150;
            }
        }
        QVERIFY2(light > 25, qPrintable(QString::number(static_cast<int>(id))));
        QVERIFY(!seen.contains(normal));
        seen.append(normal);
    }
}

void ArtworkTest::iconIsOpaqueInTheMiddleAndClearAtTheCorners() {
    for (int size : {16, 32, 64, 128}) {
        const QImage icon = AppIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }
}

TESSORA_QTEST(ArtworkTest)
#include "artwork_test.moc"
