// tessora-bare-window: a bare Qt full-screen window, measured as tessora-measure measures the
// game: the time from the program's start to its first painted frame, and its peak memory.
// The yardstick for the game's own start (scripts/measure-start). With --text the window shows
// one line of text, so the yardstick also pays for loading a font.
//   tessora-bare-window [--launched-ns N] [--text]
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
using Clock = std::chrono::system_clock;

// A black full-screen window that notes the end of its first paint pass.
class BareWindow : public QWidget {
  public:
    bool painted = false;
    Clock::time_point at{};

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        if (painted) return;
        QTimer::singleShot(0, this, [this] {
            at = Clock::now();
            painted = true;
        });
    }
};
}  // namespace

int main(int argc, char** argv) {
    Clock::time_point started = Clock::now();
    bool text = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--text") == 0) text = true;
        if (std::strcmp(argv[i], "--launched-ns") == 0 && i + 1 < argc) {
            started = Clock::time_point(std::chrono::duration_cast<Clock::duration>(
                std::chrono::nanoseconds(std::atoll(argv[i + 1]))));
        }
    }
    QApplication app(argc, argv);
    BareWindow window;
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.setAutoFillBackground(true);
    if (text) {
        auto* line = new QLabel(QStringLiteral("Neues Spiel – Anfänger"), &window);
        line->move(100, 100);
    }
    window.showFullScreen();
    while (!window.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    std::printf("first_frame_since_start %.1f ms\n",
                std::chrono::duration<double, std::milli>(window.at - started).count());
    // Settle as the game's measurement does before it reads its peak memory.
    QTimer::singleShot(500, &app, &QCoreApplication::quit);
    QApplication::exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss %ld KiB\n", usage.ru_maxrss);
    return 0;
}
