// tessora-measure: the game's own start-up and main window, measured from outside the game.
//   tessora-measure [--launched-ns N] [--turns N] [--tour SECONDS] [--zoom F|max] [--fenster]
// --launched-ns: the wall clock (ns since the epoch) just before the program was started, so
// the time to the first frame includes loading the program; without it the count starts at
// main. Prints one line per measurement, "name value unit". --tour: after the turns, open the
// about window, then the instructions window, each for SECONDS, and go back to the game, so that
// a screenshot tool outside can take their pictures (each step is printed when it is on show).
// --zoom and --fenster show the game as the game's own options do.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Application.h"
#include "app/GameSession.h"
#include "app/Startup.h"
#include "app/Zoom.h"
#include "platform/Registry.h"
#include "platform/Version.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"
#include "ui/about/AboutWindow.h"
#include "ui/instructions/InstructionsWindow.h"

namespace {

using Clock = std::chrono::system_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Notes when the window's first paint pass has run to its end (the zero timer fires after
// the whole pass, the flush to the screen included).
class FirstFrameWatch : public QObject {
  public:
    bool done = false;
    Clock::time_point at{};

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !scheduled_) {
            scheduled_ = true;
            QTimer::singleShot(0, this, [this] {
                at = Clock::now();
                done = true;
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool scheduled_ = false;
};

// Runs the event loop until done() or the time limit; false on the time limit. The loop sleeps
// between events, as the game's own loop does: a loop that polls would take a core from the
// game's painting threads and count its own processor time as the game's.
template <typename Done>
bool RunUntil(Done done, int limitMilliseconds) {
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&timedOut] { timedOut = true; });
    limit.start(limitMilliseconds);
    while (!done()) {
        if (timedOut) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The human's move is over, the computer has answered, and nothing is left running.
bool TurnFinished(tessora::frmHaupt& window) {
    const tessora::WindowFlags& flags = window.game().flags();
    return window.game().state().PlayerToMove == tessora::kHuman && !flags.ClickBusy &&
           !flags.DropRunning && !flags.ComputerThinking && !window.FallTimerEnabled();
}

// A click of the left button at a place in a widget.
void ClickAt(QWidget* widget, QPointF at) {
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void ClickColumn(tessora::frmHaupt& window, int column) {
    // Stones are 40 pixels wide and 60 apart from 20 on.
    ClickAt(window.picSpielfeld(), QPointF(20 + 60 * column + 20, 100));
}

void ClickMiddle(QWidget* widget) {
    ClickAt(widget, QPointF(widget->width() / 2.0, widget->height() / 2.0));
}

// Shows each side window for a while through its button and closes it through its own.
void TourSideWindows(tessora::GameSession& session, int seconds) {
    tessora::frmHaupt& window = *session.mainWindow();
    const auto stay = [seconds] { RunUntil([] { return false; }, seconds * 1000); };
    ClickMiddle(window.picButtonCopyright());
    std::printf("tour about\n");
    std::fflush(stdout);
    stay();
    ClickMiddle(session.about()->cmdOK());
    ClickMiddle(window.picButtonAnleitung());
    std::printf("tour instructions\n");
    std::fflush(stdout);
    stay();
    ClickMiddle(session.instructions()->picButtonZurueck());
    std::printf("tour back\n");
    std::fflush(stdout);
    stay();
}

long long ArgumentValue(int argc, char** argv, const char* name, long long fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return std::atoll(argv[i + 1]);
    }
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point mainEntered = Clock::now();
    const long long launchedNs = ArgumentValue(argc, argv, "--launched-ns", 0);
    // Three human stones can never make a line, so no end-of-game box stops the measurement.
    const int turns = static_cast<int>(ArgumentValue(argc, argv, "--turns", 3));
    const Clock::time_point started =
        launchedNs > 0 ? Clock::time_point(std::chrono::duration_cast<Clock::duration>(
                             std::chrono::nanoseconds(launchedNs)))
                       : mainEntered;

    // The game's display options, read as the game reads them.
    QStringList gameArguments{QStringLiteral("tessora")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fenster") == 0 || std::strcmp(argv[i], "--erklaeren") == 0) {
            gameArguments << QString::fromLatin1(argv[i]);
        }
        if ((std::strcmp(argv[i], "--zoom") == 0 || std::strcmp(argv[i], "--sprache") == 0) &&
            i + 1 < argc) {
            gameArguments << QString::fromLatin1(argv[i]) << QString::fromLatin1(argv[i + 1]);
        }
    }
    const tessora::CommandLineAnswer options =
        tessora::ReadCommandLine(gameArguments, QLocale::system().uiLanguages());
    if (!options.startGame) {
        std::fputs(options.text.toUtf8().constData(), stderr);
        return options.exitStatus;
    }

    tessora::GameTranslation translation(options.options.language);
    const auto app = tessora::StartApplication(argc, argv, translation);
    // Every paint of the program passes the watch; the first one is the main window's.
    FirstFrameWatch firstFrame;
    app->installEventFilter(&firstFrame);
    tessora::GameSession session(options.options);
    const auto registry = tessora::MakeSystemRegistry();
    const auto version = tessora::MakeSystemVersionQuery();
    const bool shown = tessora::HauptmodulMain(
        *registry, *version,
        tessora::StartupMessageBox(tessora::ZoomForPrimaryScreen(options.options)),
        [&session] { session.ShowMainWindow(); });
    if (!shown || !RunUntil([&] { return firstFrame.done; }, 10000)) {
        std::fprintf(stderr, "tessora-measure: the main window was never painted\n");
        return 1;
    }
    std::printf("first_frame_since_start %.1f ms\n", 1000 * SecondsBetween(started, firstFrame.at));
    std::printf("first_frame_since_main %.1f ms\n",
                1000 * SecondsBetween(mainEntered, firstFrame.at));
    app->removeEventFilter(&firstFrame);
    tessora::frmHaupt* window = session.mainWindow();
    // Let the start settle (sounds, late repaints) before the turns.
    RunUntil([] { return false; }, 500);

    double totalWall = 0;
    double totalProcessor = 0;
    for (int turn = 0; turn < turns; ++turn) {
        const Clock::time_point wallBefore = Clock::now();
        const double processorBefore = ProcessorSeconds();
        ClickColumn(*window, (3 + turn) % tessora::kColumnCount);
        if (!RunUntil([&] { return TurnFinished(*window); }, 30000)) {
            std::fprintf(stderr, "tessora-measure: turn %d did not finish\n", turn + 1);
            return 1;
        }
        const double wall = SecondsBetween(wallBefore, Clock::now());
        const double processor = ProcessorSeconds() - processorBefore;
        totalWall += wall;
        totalProcessor += processor;
        std::printf("turn_%d wall %.3f s processor %.3f s share %.1f %%\n", turn + 1, wall,
                    processor, 100 * processor / wall);
    }
    std::printf("turns_share %.1f %%\n", 100 * totalProcessor / totalWall);
    std::printf("peak_rss %ld KiB\n", PeakResidentKilobytes());
    const int tourSeconds = static_cast<int>(ArgumentValue(argc, argv, "--tour", 0));
    if (tourSeconds > 0) TourSideWindows(session, tourSeconds);
    return 0;
}
