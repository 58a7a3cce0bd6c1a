#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/BoardGeometry.h"
#include "core/Game.h"
#include "core/Shell.h"

namespace tessora::test {

// Colours of the test pictures.
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kHumanColour = 0xFFD01010;
constexpr std::uint32_t kComputerColour = 0xFFE0D000;
constexpr std::uint32_t kHighlightColour = 0xFF10C010;

// The empty board: every pixel different from its neighbours and never pure white, so that a
// copy to the wrong place or a missed restore shows.
inline std::uint32_t EmptyBoardPixel(int x, int y) {
    return 0xFF000000u | static_cast<std::uint32_t>((x * 131 + y * 7919) & 0x7FFFFF);
}

// Stones are discs of radius 17 around the picture's centre, white around.
inline bool InsideStone(int x, int y) {
    const int dx = 2 * x + 1 - kStoneSide;
    const int dy = 2 * y + 1 - kStoneSide;
    return dx * dx + dy * dy <= 34 * 34;
}

// Holes of the column mask: the rows of the board where a cell is, white; the front black.
inline bool InsideHole(int y) {
    for (int r = 0; r < kRowCount; ++r) {
        const int top = RowTop(r);
        if (y >= top && y < top + kStoneSide) return true;
    }
    return false;
}

struct RecordedBox {
    std::string text;
    std::string title;
    int style = 0;
};

// A pixel buffer with its view.
struct PixelBuffer {
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;

    PixelBuffer() = default;
    PixelBuffer(int w, int h, std::uint32_t fill) : pixels(w * h, fill), width(w), height(h) {}
    PixelView view() { return PixelView{pixels.data(), width, height, width}; }
    std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[y * width + x]; }
};

// The window as the game core sees it, for tests: records what the game shows and plays,
// answers message boxes from a script, keeps plain pixel buffers for the pictures, and has a
// clock that moves on at every yield. While the fall timer is enabled its ticks are delivered
// at the yields, 40 ms of clock time apart. Actions can be scheduled for a given yield.
class FakeShell : public Shell {
  public:
    // Seconds the clock moves on at a DoEvents; a wait moves it by its bound, or to the next
    // timer tick when that comes sooner, and never by more than maxWaitSeconds.
    double doEventsSeconds = 0.0005;
    double maxWaitSeconds = 1.0;
    // Time of day in seconds; the shell's Timer falls back to 0 at midnight.
    double clock = 36000.0;
    bool computerBegins = false;
    // Answers of the coming message boxes, in order; OK when the script is empty.
    std::deque<int> boxAnswers;
    // A run that yields more often than this is stuck.
    long yieldLimit = 200000;

    // Everything recorded, in order.
    std::vector<std::string> log;
    std::vector<std::string> statusTexts;
    std::vector<std::string> sounds;
    std::vector<RecordedBox> boxes;
    std::vector<Pointer> pointers;
    long doEventsCalls = 0;
    long waitCalls = 0;
    long yields = 0;
    long doEventsWhileFalling = 0;
    // Top edge (twips) and the whole board picture at every board refresh during a fall.
    std::vector<float> frameTops;
    std::vector<PixelBuffer> frameBoards;

    FakeShell() {
        surfaces_[Index(Picture::Board)] = PixelBuffer(kBoardWidth, kBoardHeight, 0);
        for (int y = 0; y < kBoardHeight; ++y) {
            for (int x = 0; x < kBoardWidth; ++x) {
                surfaces_[Index(Picture::Board)].at(x, y) = EmptyBoardPixel(x, y);
            }
        }
        emptyBoard_ = surfaces_[Index(Picture::Board)];
        surfaces_[Index(Picture::HumanStone)] = Disc(kHumanColour);
        surfaces_[Index(Picture::ComputerStone)] = Disc(kComputerColour);
        surfaces_[Index(Picture::HighlightStone)] = Disc(kHighlightColour);
        surfaces_[Index(Picture::StoneMask)] = Disc(kBlack);
        PixelBuffer column(kStoneSide, kColumnMaskHeight, kBlack);
        for (int y = 0; y < kColumnMaskHeight; ++y) {
            for (int x = 0; x < kStoneSide; ++x)
                column.at(x, y) = InsideHole(y) ? kWhite : kBlack;
        }
        surfaces_[Index(Picture::Column)] = column;
        surfaces_[Index(Picture::FrameWork)] = PixelBuffer(kStoneSide, kStoneSide, kWhite);
        surfaces_[Index(Picture::SavedArea)] = PixelBuffer(kStoneSide, kStoneSide, kWhite);
    }

    void Attach(Game& game) { game_ = &game; }

    // Runs action at the n-th yield from now (n = 1: the next one).
    void AtYield(long n, std::function<void()> action) {
        scheduled_.push_back({yields + n, {}, std::move(action)});
    }
    // Runs action once, at the first yield at which condition holds.
    void AtFirstYieldWhere(std::function<bool()> condition, std::function<void()> action) {
        scheduled_.push_back({0, std::move(condition), std::move(action)});
    }
    // Runs at every yield, after the scheduled actions.
    std::function<void()> onEveryYield;
    // Runs while a message box is open, before it is answered.
    std::function<void(const RecordedBox&)> onMessageBox;

    const PixelBuffer& board() const { return surfaces_[Index(Picture::Board)]; }
    const PixelBuffer& emptyBoard() const { return emptyBoard_; }
    bool statusVisible() const { return statusVisible_; }
    bool pendingActions() const { return !scheduled_.empty(); }

    // Cells whose stone centre shows the given colour on the board picture.
    std::vector<int> CellsShowing(std::uint32_t colour) const {
        std::vector<int> cells;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int x = ColumnLeft(cell % 7) + kStoneSide / 2;
            const int y = RowTop(cell / 7) + kStoneSide / 2;
            if (board().at(x, y) == colour) cells.push_back(cell);
        }
        return cells;
    }

    void ClearRecords() {
        log.clear();
        statusTexts.clear();
        sounds.clear();
        boxes.clear();
        pointers.clear();
        frameTops.clear();
        frameBoards.clear();
        doEventsCalls = waitCalls = doEventsWhileFalling = 0;
    }

    // Shell.
    void DoEvents() override {
        ++doEventsCalls;
        if (game_ != nullptr && game_->flags().DropRunning) ++doEventsWhileFalling;
        Yield(doEventsSeconds);
    }
    void WaitForEvents(int maxMilliseconds) override {
        ++waitCalls;
        Yield(std::min(maxMilliseconds / 1000.0, maxWaitSeconds));
    }
    double Timer() override { return std::fmod(clock, 86400.0); }

    void SetStatusText(std::string_view text) override {
        status_ = std::string(text);
        statusTexts.push_back(status_);
        log.push_back("status:" + status_);
    }
    std::string StatusText() const override { return status_; }
    void SetStatusVisible(bool visible) override {
        statusVisible_ = visible;
        log.push_back(visible ? "status shown" : "status hidden");
    }
    void SetMousePointer(Pointer pointer) override {
        pointers.push_back(pointer);
        log.push_back("pointer:" + std::to_string(static_cast<int>(pointer)));
    }
    int MessageBox(std::string_view text, std::string_view title, int style) override {
        boxes.push_back({std::string(text), std::string(title), style});
        log.push_back("box:" + std::string(title));
        if (onMessageBox) onMessageBox(boxes.back());
        if (boxAnswers.empty()) return mb::kAnswerOk;
        const int answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    void PlaySound(Sound sound) override {
        sounds.emplace_back(WaveFile(sound));
        log.push_back("sound:" + std::string(WaveFile(sound)));
    }

    PixelView Surface(Picture picture) override { return surfaces_[Index(picture)].view(); }
    void RefreshBoard() override {
        if (game_ != nullptr && game_->flags().DropRunning) {
            frameTops.push_back(game_->fall().DropY);
            frameBoards.push_back(board());
        }
    }
    void RestoreBoardPicture() override {
        surfaces_[Index(Picture::Board)] = emptyBoard_;
        log.push_back("board restored");
    }
    void RefreshWindow() override {}

    void SetFallTimerEnabled(bool enabled) override {
        if (enabled && !timerEnabled_) nextTick_ = clock + kTickSeconds;
        timerEnabled_ = enabled;
    }
    bool FallTimerEnabled() const override { return timerEnabled_; }
    bool ComputerBegins() const override { return computerBegins; }

  private:
    static constexpr double kTickSeconds = 0.040;
    // Sums of short waits are not exact in floating point; a tick this close counts as due.
    static constexpr double kClockSlack = 1e-9;

    struct Scheduled {
        long atYield;
        std::function<bool()> condition;
        std::function<void()> action;
    };

    static int Index(Picture picture) { return static_cast<int>(picture); }

    static PixelBuffer Disc(std::uint32_t colour) {
        PixelBuffer disc(kStoneSide, kStoneSide, kWhite);
        for (int y = 0; y < kStoneSide; ++y) {
            for (int x = 0; x < kStoneSide; ++x) {
                if (InsideStone(x, y)) disc.at(x, y) = colour;
            }
        }
        return disc;
    }

    void Yield(double seconds) {
        if (++yields > yieldLimit) throw std::runtime_error("the game keeps yielding");
        double until = clock + seconds;
        if (timerEnabled_ && nextTick_ < until + kClockSlack) until = std::max(clock, nextTick_);
        clock = until;
        RunScheduled();
        if (onEveryYield) onEveryYield();
        if (timerEnabled_ && clock >= nextTick_ - kClockSlack && game_ != nullptr) {
            nextTick_ = clock + kTickSeconds;
            game_->timFall_Timer();
        }
    }

    void RunScheduled() {
        for (std::size_t i = 0; i < scheduled_.size(); ++i) {
            Scheduled& s = scheduled_[i];
            const bool due = s.condition ? s.condition() : s.atYield == yields;
            if (!due) continue;
            std::function<void()> action = std::move(s.action);
            scheduled_.erase(scheduled_.begin() + static_cast<long>(i));
            action();
            return;
        }
    }

    Game* game_ = nullptr;
    std::vector<Scheduled> scheduled_;
    std::array<PixelBuffer, 8> surfaces_;
    PixelBuffer emptyBoard_;
    std::string status_;
    bool statusVisible_ = true;
    bool timerEnabled_ = false;
    double nextTick_ = 0;
};

}  // namespace tessora::test
