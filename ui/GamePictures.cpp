#include "ui/GamePictures.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <future>

#include "core/BoardGeometry.h"
#include "ui/Pictures.h"
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

void TileWith(QImage& target, const QImage& tile) {
    const PixelView to = ViewOf(target);
    const PixelView from = SourceViewOf(tile);
    for (int x = 0; x < to.width; x += from.width) {
        for (int y = 0; y < to.height; y += from.height) {
            BitBlt(to, x, y, from.width, from.height, from, 0, 0, RasterOp::SrcCopy);
        }
    }
}

QImage NewPicture(QSize size, double ratio, QRgb fill) {
    QImage picture(DeviceLength(size.width(), ratio), DeviceLength(size.height(), ratio),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(fill);
    return picture;
}

// The parts of the painting, each on its own thread; a future is valid until its part is taken.
struct GamePictures::Painting {
    QImage board;  // painted in place by the two halves
    std::array<std::future<void>, 2> boardHalves;
    struct Stones {
        QImage human, computer, highlight, mask, column;
    };
    std::future<Stones> stones;
    struct PlayArea {
        artwork::paint::MaskedPicture logo;
        QImage backgroundTile, optionsTile;
    };
    std::future<PlayArea> playArea;
    std::future<std::array<QImage, 8>> buttons;
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
    // The board takes longest: its two halves go to two threads, each writing its own rows.
    p.board = artwork::paint::NewImage(kBoardWidth, kBoardHeight, artwork::paint::kBlack, ratio);
    uchar* const pixels = p.board.bits();
    const qsizetype bytesPerLine = p.board.bytesPerLine();
    const int height = p.board.height();
    for (int half = 0; half < 2; ++half) {
        const int first = height * half / 2;
        const int end = height * (half + 1) / 2;
        p.boardHalves[static_cast<std::size_t>(half)] = std::async(std::launch::async, [=] {
            artwork::PaintBoardRows(pixels, bytesPerLine, ratio, first, end);
        });
    }
    p.playArea = std::async(std::launch::async, [ratio] {
        return Painting::PlayArea{artwork::LogoWithMask(ratio),
                                  Rgb32(artwork::BackgroundTile(ratio)),
                                  Rgb32(artwork::OptionsTile(ratio))};
    });
    p.buttons = std::async(std::launch::async, [ratio] {
        std::array<QImage, 8> images;
        for (artwork::ButtonId id : kMainButtons) {
            for (bool pressed : {false, true})
                images[ButtonSlot(id, pressed)] = artwork::Button(id, pressed, ratio);
        }
        return images;
    });
    p.stones = std::async(std::launch::async, [ratio] {
        return Painting::Stones{
            Rgb32(artwork::HumanStone(ratio)), Rgb32(artwork::ComputerStone(ratio)),
            Rgb32(artwork::HighlightStone(ratio)), Rgb32(artwork::StoneMask(ratio)),
            Rgb32(artwork::ColumnMask(ratio))};
    });
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
    if (!p.boardHalves[0].valid()) return;
    for (std::future<void>& half : p.boardHalves)
        half.get();
    emptyBoard_ = std::move(p.board);
    // The board shares the empty board's pixels until the first stone is drawn on it.
    pictures_[Slot(Picture::Board)] = emptyBoard_;
}

void GamePictures::AwaitStones() const {
    Painting& p = *painting_;
    if (!p.stones.valid()) return;
    Painting::Stones stones = p.stones.get();
    pictures_[Slot(Picture::HumanStone)] = std::move(stones.human);
    pictures_[Slot(Picture::ComputerStone)] = std::move(stones.computer);
    pictures_[Slot(Picture::HighlightStone)] = std::move(stones.highlight);
    pictures_[Slot(Picture::StoneMask)] = std::move(stones.mask);
    pictures_[Slot(Picture::Column)] = std::move(stones.column);
}

void GamePictures::AwaitPlayArea() const {
    Painting& p = *painting_;
    if (!p.playArea.valid()) return;
    Painting::PlayArea playArea = p.playArea.get();
    logo_ = std::move(playArea.logo);
    backgroundTile_ = std::move(playArea.backgroundTile);
    optionsTile_ = std::move(playArea.optionsTile);
}

void GamePictures::AwaitButtons() const {
    Painting& p = *painting_;
    if (p.buttons.valid()) buttons_ = p.buttons.get();
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
    if (painting_->boardHalves[0].valid()) return;
    pictures_[Slot(Picture::Board)] = emptyBoard_;
}

}  // namespace tessora
