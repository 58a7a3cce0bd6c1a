#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/BitBlt.h"

namespace tessora {
namespace {

// Pictures are drawn as rows of letters, one letter per pixel.
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kCyan = 0xFF00FFFF;  // what ORing the inverted red gives on black

struct Legend {
    char letter;
    std::uint32_t colour;
};
constexpr Legend kLegend[] = {
    {'.', kWhite}, {'#', kBlack}, {'r', kRed}, {'b', kBlue}, {'c', kCyan},
};

std::uint32_t ColourOf(char letter) {
    for (const Legend& entry : kLegend) {
        if (entry.letter == letter) return entry.colour;
    }
    ADD_FAILURE() << "no colour for '" << letter << "'";
    return 0;
}

char LetterOf(std::uint32_t colour) {
    for (const Legend& entry : kLegend) {
        if (entry.colour == colour) return entry.letter;
    }
    return '?';
}

class Picture {
  public:
    explicit Picture(const std::vector<std::string>& rows)
        : width_(static_cast<int>(rows.front().size())), height_(static_cast<int>(rows.size())) {
        for (const std::string& row : rows) {
            for (char letter : row)
                pixels_.push_back(ColourOf(letter));
        }
    }

    PixelView view() { return {pixels_.data(), width_, height_, width_}; }
    // The same pixels as a picture of twice the density: each layout pixel 2 x 2 of them.
    PixelView doubleDensityView() { return {pixels_.data(), width_ / 2, height_ / 2, width_, 2}; }

    std::vector<std::string> rows() const {
        std::vector<std::string> result;
        for (int y = 0; y < height_; ++y) {
            std::string row;
            for (int x = 0; x < width_; ++x)
                row += LetterOf(pixels_[y * width_ + x]);
            result.push_back(row);
        }
        return result;
    }

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

using Rows = std::vector<std::string>;

TEST(BitBlt, EachRasterOpCombinesEveryBitOfEveryPixel) {
    struct Case {
        RasterOp op;
        std::uint32_t destination;
        std::uint32_t source;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {RasterOp::SrcCopy, 0xFF123456, 0xFFABCDEF, 0xFFABCDEF},
        {RasterOp::SrcAnd, 0xFF123456, 0xFFABCDEF, 0xFF020446},
        {RasterOp::SrcPaint, 0xFF123456, 0xFFABCDEF, 0xFFBBFDFF},
        {RasterOp::MergePaint, 0xFF123456, 0xFFABCDEF, 0xFF563656},
        {RasterOp::MergePaint, 0xFF000000, 0xFF000000, 0xFFFFFFFF},
        {RasterOp::MergePaint, 0xFF808080, 0xFFFFFFFF, 0xFF808080},
    };
    for (const Case& c : cases) {
        std::uint32_t destination = c.destination;
        std::uint32_t source = c.source;
        BitBlt({&destination, 1, 1, 1}, 0, 0, 1, 1, {&source, 1, 1, 1}, 0, 0, c.op);
        EXPECT_EQ(destination, c.expected) << std::hex << static_cast<std::uint32_t>(c.op);
        EXPECT_EQ(source, c.source);
    }
}

TEST(BitBlt, RasterOpsHaveTheirWindowsCodes) {
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcCopy), 0xCC0020u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcAnd), 0x8800C6u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SrcPaint), 0xEE0086u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::MergePaint), 0xBB0226u);
}

// A stone is drawn by first punching its shape white through the inverted mask (black where the
// stone is), then ANDing the stone picture, which is white around the stone.
TEST(BitBlt, MaskThenStoneDrawsTheStoneAndKeepsTheBackgroundAroundIt) {
    Picture board({"bbbbb", "bbbbb", "bbbbb", "bbbbb"});
    Picture mask({".#.", "###", ".#."});
    Picture stone({".r.", "rrr", ".r."});
    BitBlt(board.view(), 1, 0, 3, 3, mask.view(), 0, 0, RasterOp::MergePaint);
    EXPECT_EQ(board.rows(), (Rows{"bb.bb", "b...b", "bb.bb", "bbbbb"}));
    BitBlt(board.view(), 1, 0, 3, 3, stone.view(), 0, 0, RasterOp::SrcAnd);
    EXPECT_EQ(board.rows(), (Rows{"bbrbb", "brrrb", "bbrbb", "bbbbb"}));
}

TEST(BitBlt, SrcPaintOfARedPictureOntoBlackAndMergePaintOfItOntoBlack) {
    Picture onBlack({"###"});
    Picture red({"r.#"});
    BitBlt(onBlack.view(), 0, 0, 3, 1, red.view(), 0, 0, RasterOp::SrcPaint);
    EXPECT_EQ(onBlack.rows(), (Rows{"r.#"}));
    Picture merged({"###"});
    BitBlt(merged.view(), 0, 0, 3, 1, red.view(), 0, 0, RasterOp::MergePaint);
    EXPECT_EQ(merged.rows(), (Rows{"c#."}));
}

TEST(BitBlt, RectanglesReachingOutsideEitherPictureAreClipped) {
    const Rows source{"rr", "rr"};
    struct Case {
        const char* name;
        int x, y, w, h, sx, sy;
        Rows expected;
    };
    const Case cases[] = {
        {"inside", 1, 1, 2, 2, 0, 0, {"....", ".rr.", ".rr."}},
        {"left of the destination", -1, 0, 2, 2, 0, 0, {"r...", "r...", "...."}},
        {"above the destination", 0, -1, 2, 2, 0, 0, {"rr..", "....", "...."}},
        {"past the right and bottom", 3, 2, 2, 2, 0, 0, {"....", "....", "...r"}},
        {"wider than the source", 0, 0, 4, 1, 0, 0, {"rr..", "....", "...."}},
        {"source start left of the source", 0, 0, 2, 2, -1, 0, {".r..", ".r..", "...."}},
        {"source start above the source", 0, 0, 2, 2, 0, -1, {"....", "rr..", "...."}},
        {"source start past the source", 0, 0, 2, 2, 2, 0, {"....", "....", "...."}},
        {"entirely left", -2, 0, 2, 2, 0, 0, {"....", "....", "...."}},
        {"entirely below", 0, 3, 2, 2, 0, 0, {"....", "....", "...."}},
        {"empty width", 0, 0, 0, 2, 0, 0, {"....", "....", "...."}},
        {"negative height", 0, 0, 2, -1, 0, 0, {"....", "....", "...."}},
    };
    for (const Case& c : cases) {
        Picture destination({"....", "....", "...."});
        Picture from(source);
        BitBlt(destination.view(), c.x, c.y, c.w, c.h, from.view(), c.sx, c.sy, RasterOp::SrcCopy);
        EXPECT_EQ(destination.rows(), c.expected) << c.name;
    }
}

TEST(BitBlt, CopiesWithinOnePictureReadEverySourcePixelBeforeOverwritingIt) {
    struct Case {
        const char* name;
        int x, y, sx, sy;
        Rows expected;
    };
    const Rows start{"rb..", "#r..", "....", "...."};
    const Case cases[] = {
        {"right by one", 1, 0, 0, 0, {"rrb.", "##r.", "....", "...."}},
        {"down by one", 0, 1, 0, 0, {"rb..", "rb..", "#r..", "...."}},
        {"down and right", 1, 1, 0, 0, {"rb..", "#rb.", ".#r.", "...."}},
        {"left by one", 0, 0, 1, 0, {"b...", "r...", "....", "...."}},
        {"up by one", 0, 0, 0, 1, {"#r..", "....", "....", "...."}},
    };
    for (const Case& c : cases) {
        Picture picture(start);
        BitBlt(picture.view(), c.x, c.y, 3, 3, picture.view(), c.sx, c.sy, RasterOp::SrcCopy);
        EXPECT_EQ(picture.rows(), c.expected) << c.name;
    }
}

TEST(BitBlt, CopiesBetweenTwoOverlappingViewsOfOneBufferLikeWithinOnePicture) {
    Picture buffer({"rb..", "#r..", "...."});
    PixelView whole = buffer.view();
    PixelView shifted{&whole.at(1, 0), 3, 3, whole.stride};  // starts one pixel to the right
    BitBlt(shifted, 0, 0, 2, 2, whole, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(buffer.rows(), (Rows{"rrb.", "##r.", "...."}));
    BitBlt(whole, 0, 1, 3, 1, shifted, 0, 0, RasterOp::SrcCopy);  // one row down, one left
    EXPECT_EQ(buffer.rows(), (Rows{"rrb.", "rb..", "...."}));
}

TEST(BitBlt, HonoursAStrideWiderThanTheView) {
    // A 2 x 2 window in the middle of a 4 x 3 buffer.
    Picture buffer({"....", "....", "...."});
    PixelView whole = buffer.view();
    PixelView window{&whole.at(1, 1), 2, 2, whole.stride};
    Picture red({"rrr", "rrr", "rrr"});
    BitBlt(window, 0, 0, 3, 3, red.view(), 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(buffer.rows(), (Rows{"....", ".rr.", ".rr."}));
}

// At twice the density positions and sizes stay in layout pixels and every device pixel of the
// rectangle is combined on its own, so the fine detail of the source survives exactly.
TEST(BitBlt, AtTwiceTheDensityCoversEveryDevicePixelOfTheRectangle) {
    Picture destination({"......", "......", "......", "......"});
    Picture stones({"#r", "rb", "bb", "##"});  // two layout pixels, one above the other
    BitBlt(destination.doubleDensityView(), 1, 1, 1, 1, stones.doubleDensityView(), 0, 0,
           RasterOp::SrcCopy);
    EXPECT_EQ(destination.rows(), (Rows{"......", "......", "..#r..", "..rb.."}));
    // Clipped at the edge in whole layout pixels; a copy between densities does nothing.
    BitBlt(destination.doubleDensityView(), 2, -1, 1, 2, stones.doubleDensityView(), 0, 0,
           RasterOp::SrcCopy);
    EXPECT_EQ(destination.rows(), (Rows{"....bb", "....##", "..#r..", "..rb.."}));
    BitBlt(destination.doubleDensityView(), 0, 0, 1, 1, stones.view(), 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(destination.rows(), (Rows{"....bb", "....##", "..#r..", "..rb.."}));
}

// At a fractional density every copy of one layout size covers one device size, from the device
// pixel nearest its layout position: a row of copies leaves no device pixel out, and the same
// rounding puts a picture and the hole it belongs in onto the same device pixels.
TEST(BitBlt, AtAFractionalDensityCopiesOfOneSizeAreOneSizeAndLeaveNoGap) {
    constexpr double kDensity = 2.25;
    constexpr int kLayoutWidth = 9;
    // One layout row covers three device rows at this density; the checks look at the first.
    const int deviceWidth = DeviceLength(kLayoutWidth, kDensity);
    const int deviceRows = DeviceLength(1, kDensity);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(deviceWidth * deviceRows), 0);
    const PixelView target{pixels.data(), kLayoutWidth, 1, deviceWidth, kDensity};
    const int tileWidth = DeviceLength(2, kDensity);
    std::vector<std::uint32_t> tile(static_cast<std::size_t>(tileWidth * deviceRows), 7);
    const PixelView source{tile.data(), 2, 1, tileWidth, kDensity};
    const auto row = pixels.begin();
    for (int x = 0; x < kLayoutWidth; x += 2)
        BitBlt(target, x, 0, 2, 1, source, 0, 0, RasterOp::SrcPaint);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 7u), deviceWidth * deviceRows);
    // One copy lands on DeviceLength(2) device pixels from DevicePosition(3) on: 7 to 11.
    std::fill(pixels.begin(), pixels.end(), 0);
    BitBlt(target, 3, 0, 2, 1, source, 0, 0, RasterOp::SrcPaint);
    EXPECT_EQ(std::count(row, row + deviceWidth, 7u), 5);
    EXPECT_EQ(row[6], 0u);
    EXPECT_EQ(row[7], 7u);
    EXPECT_EQ(row[11], 7u);
    EXPECT_EQ(row[12], 0u);
}

}  // namespace
}  // namespace tessora
