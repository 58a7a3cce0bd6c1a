#include "ui/GamePictures.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "core/BoardGeometry.h"
#include "ui/Pictures.h"
#include "ui/SharedJobs.h"
#include "ui/artwork/Artwork.h"

namespace tessora {

namespace {
QImage Rgb32(QImage image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

int Slot(Picture picture) {
    return static_cast<int>(picture);
}
}  // namespace

double PictureRatioOf(const QWidget& widget, double layoutScale) {
    constexpr double kHair = 0.01;
    const double ratio = widget.devicePixelRatioF() * layoutScale;
    const double whole = std::round(ratio);
    return std::max(1.0, std::abs(ratio - whole) < kHair ? whole : ratio);
}

namespace {
PixelView ViewOfPixels(const QImage& image, std::uint32_t* pixels) {
    const QSize layout = LayoutSize(image);
    return PixelView{pixels, layout.width(), layout.height(),
                     static_cast<int>(image.bytesPerLine() / sizeof(std::uint32_t)),
                     image.devicePixelRatio()};
}
}  // namespace

PixelView ViewOf(QImage& image) {
    return ViewOfPixels(image, reinterpret_cast<std::uint32_t*>(image.bits()));
}

PixelView SourceViewOf(const QImage& image) {
    // BitBlt never writes through its source view.
    return ViewOfPixels(image,
                        reinterpret_cast<std::uint32_t*>(const_cast<uchar*>(image.constBits())));
}

void TileArea(const PixelView& target, QSize area, const PixelView& tile) {
    for (int x = 0; x < area.width(); x += tile.width) {
        for (int y = 0; y < area.height(); y += tile.height)
            BitBlt(target, x, y, tile.width, tile.height, tile, 0, 0, RasterOp::SrcCopy);
    }
}

void TileWith(QImage& target, const QImage& tile) {
    const PixelView to = ViewOf(target);
    TileArea(to, QSize(to.width, to.height), SourceViewOf(tile));
}

QImage NewPicture(QSize size, double ratio, QRgb fill) {
    QImage picture(DeviceLength(size.width(), ratio), DeviceLength(size.height(), ratio),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(fill);
    return picture;
}

// What the painting jobs make; each accessor takes its part once its job has run.
struct GamePictures::Painting {
    enum Job : std::size_t { kPlayArea, kButtons, kBoardParts, kStones = kBoardParts + 4 };
    // The board is painted in place, a band of rows a job, so both cores can share it.
    static constexpr int kBoardBands = kStones - kBoardParts;

    QImage board;
    struct Stones {
        QImage human, computer, highlight, mask, column;
    } stones;
    struct PlayArea {
        artwork::paint::MaskedPicture logo;
        QImage backgroundTile, optionsTile;
    } playArea;
    std::array<QImage, 8> buttons;
    bool boardTaken = false;
    bool stonesTaken = false;
    bool playAreaTaken = false;
    bool buttonsTaken = false;
    // Declared last: it stops painting before the pictures it paints into go.
    std::unique_ptr<SharedJobs> jobs;
};

namespace {
constexpr std::array<artwork::ButtonId, 4> kMainButtons{
    artwork::ButtonId::NeuesSpiel, artwork::ButtonId::Anleitung, artwork::ButtonId::Copyright,
    artwork::ButtonId::Exit};

std::size_t ButtonSlot(artwork::ButtonId id, bool pressed) {
    const auto at = std::find(kMainButtons.begin(), kMainButtons.end(), id);
    return static_cast<std::size_t>(at - kMainButtons.begin()) * 2 + (pressed ? 1 : 0);
}
}  // namespace

GamePictures::GamePictures(double ratio) : ratio_(ratio), painting_(std::make_unique<Painting>()) {
    Painting& p = *painting_;
    p.board = artwork::paint::NewImage(kBoardWidth, kBoardHeight, artwork::paint::kBlack, ratio);
    uchar* const pixels = p.board.bits();
    const qsizetype bytesPerLine = p.board.bytesPerLine();
    const int height = p.board.height();
    // In the order the window needs them: the play area's pictures and the buttons as it loads,
    // the board by its first frame, the stones by the first stone.
    std::vector<std::function<void()>> jobs(Painting::kStones + 1);
    jobs[Painting::kPlayArea] = [&p, ratio] {
        p.playArea = {artwork::LogoWithMask(ratio), Rgb32(artwork::BackgroundTile(ratio)),
                      Rgb32(artwork::OptionsTile(ratio))};
    };
    jobs[Painting::kButtons] = [&p, ratio] {
        for (artwork::ButtonId id : kMainButtons) {
            for (bool pressed : {false, true})
                p.buttons[ButtonSlot(id, pressed)] = artwork::Button(id, pressed, ratio);
        }
    };
    jobs[Painting::kStones] = [&p, ratio] {
        p.stones = {Rgb32(artwork::HumanStone(ratio)), Rgb32(artwork::ComputerStone(ratio)),
                    Rgb32(artwork::HighlightStone(ratio)), Rgb32(artwork::StoneMask(ratio)),
                    Rgb32(artwork::ColumnMask(ratio))};
    };
    for (int band = 0; band < Painting::kBoardBands; ++band) {
        const int first = height * band / Painting::kBoardBands;
        const int end = height * (band + 1) / Painting::kBoardBands;
        jobs[Painting::kBoardParts + static_cast<std::size_t>(band)] = [=] {
            artwork::PaintBoardRows(pixels, bytesPerLine, ratio, first, end);
        };
    }
    p.jobs = std::make_unique<SharedJobs>(std::move(jobs));
    for (Picture work : {Picture::FrameWork, Picture::SavedArea}) {
        pictures_[Slot(work)] = NewPicture(QSize(kStoneSide, kStoneSide), ratio, 0xFFFFFFFF);
    }
}

GamePictures::GamePictures(GamePictures&&) noexcept = default;
GamePictures& GamePictures::operator=(GamePictures&&) noexcept = default;
// A picture still being painted is waited for: its thread writes into this object.
GamePictures::~GamePictures() = default;

void GamePictures::AwaitBoard() const {
    Painting& p = *painting_;
    if (p.boardTaken) return;
    for (int band = 0; band < Painting::kBoardBands; ++band)
        p.jobs->Await(Painting::kBoardParts + static_cast<std::size_t>(band));
    p.boardTaken = true;
    emptyBoard_ = std::move(p.board);
    // The board shares the empty board's pixels until the first stone is drawn on it.
    pictures_[Slot(Picture::Board)] = emptyBoard_;
}

void GamePictures::AwaitStones() const {
    Painting& p = *painting_;
    if (p.stonesTaken) return;
    p.jobs->Await(Painting::kStones);
    p.stonesTaken = true;
    pictures_[Slot(Picture::HumanStone)] = std::move(p.stones.human);
    pictures_[Slot(Picture::ComputerStone)] = std::move(p.stones.computer);
    pictures_[Slot(Picture::HighlightStone)] = std::move(p.stones.highlight);
    pictures_[Slot(Picture::StoneMask)] = std::move(p.stones.mask);
    pictures_[Slot(Picture::Column)] = std::move(p.stones.column);
}

void GamePictures::AwaitPlayArea() const {
    Painting& p = *painting_;
    if (p.playAreaTaken) return;
    p.jobs->Await(Painting::kPlayArea);
    p.playAreaTaken = true;
    logo_ = std::move(p.playArea.logo);
    backgroundTile_ = std::move(p.playArea.backgroundTile);
    optionsTile_ = std::move(p.playArea.optionsTile);
}

void GamePictures::AwaitButtons() const {
    Painting& p = *painting_;
    if (p.buttonsTaken) return;
    p.jobs->Await(Painting::kButtons);
    p.buttonsTaken = true;
    buttons_ = std::move(p.buttons);
}

void GamePictures::Finish() const {
    AwaitBoard();
    AwaitStones();
    AwaitPlayArea();
    AwaitButtons();
}

const QImage& GamePictures::EmptyBoard() const {
    AwaitBoard();
    return emptyBoard_;
}

QImage& GamePictures::Logo() {
    AwaitPlayArea();
    return logo_.picture;
}

QImage& GamePictures::LogoMask() {
    AwaitPlayArea();
    return logo_.mask;
}

const QImage& GamePictures::BackgroundTile() const {
    AwaitPlayArea();
    return backgroundTile_;
}

const QImage& GamePictures::OptionsTile() const {
    AwaitPlayArea();
    return optionsTile_;
}

const QImage& GamePictures::Button(artwork::ButtonId id, bool pressed) const {
    AwaitButtons();
    return buttons_[ButtonSlot(id, pressed)];
}

PixelView GamePictures::Surface(Picture picture) {
    Image(picture);
    return ViewOf(pictures_[Slot(picture)]);
}

const QImage& GamePictures::Image(Picture picture) const {
    if (picture == Picture::Board) {
        AwaitBoard();
    } else if (picture != Picture::FrameWork && picture != Picture::SavedArea) {
        AwaitStones();
    }
    return pictures_[Slot(picture)];
}

void GamePictures::RestoreBoard() {
    // A board still being painted is the empty board already. Otherwise the board becomes the
    // empty board again, sharing its pixels until a stone is drawn on it: the same picture as
    // a copy of every pixel, without the copy.
    if (!painting_->boardTaken) return;
    pictures_[Slot(Picture::Board)] = emptyBoard_;
}

}  // namespace tessora
