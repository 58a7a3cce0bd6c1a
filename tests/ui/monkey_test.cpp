// A monkey plays the real main window offscreen: tens of thousands of random clicks, button
// presses and drags, option choices and keys, many of them delivered from inside the game's own
// waits (while a stone falls, while the computer thinks, while a line is shown), and every
// message box answered at a random moment. After every event the position is checked; whenever
// the window is idle again, the guards must be down, no finished game may still be in play, and
// the board picture must show exactly the stones of the position.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <random>
#include <vector>

#include "core/BoardGeometry.h"
#include "core/Position.h"
#include "platform/Random.h"
#include "support/QtTestMain.h"
#include "tests/support/DrawnBoard.h"
#include "ui/BoardView.h"
#include "ui/GamePictures.h"
#include "ui/OptionsPanel.h"
#include "ui/support/GameInvariants.h"
#include "ui/support/SteppedClock.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Events per run; the sanitizer build is several times slower and plays fewer.
// TESSORA_MONKEY_EVENTS and TESSORA_MONKEY_SEED override the defaults.
constexpr int kEvents = kSanitized ? 10000 : 20000;
constexpr unsigned kSeed = 20261207;
// Every reading of the game's clock moves it on by this much: a pause takes two waits.
constexpr double kClockStepSeconds = 0.006;
// Actions delivered from inside the game's waits: chance per injector tick, and how deeply
// such actions may nest in one another.
constexpr double kInjectChance = 0.03;
constexpr int kMaxDepth = 3;
// At most this many actions are injected into one top-level action (the count is drawn anew
// for each), so that the computer's many waits do not swallow the whole run.
constexpr int kMaxInjectedPerAction = 3;
// Injector timers, one per level of nesting. A timer never fires again while its own tick
// runs, so an action injected by the timer of one level lets the next level's timer run;
// only the deepest level's timer is live at any time.
constexpr int kInjectors = kMaxDepth + 1;
// Chance per injector tick that an open message box is answered now rather than later.
constexpr double kAnswerChance = 0.3;
constexpr std::size_t kRecentActions = 60;
// Chance that an action injected while a stone falls changes who begins.
constexpr double kWhoBeginsWhileFalling = 0.25;
// While a found line is shown, actions are injected more often, and half of them ask for a new
// game: through "Neues Spiel" or by changing who begins.
constexpr double kInjectChanceWhileLineShown = 0.2;
constexpr double kNewGameWhileLineShown = 0.5;
// Chance before each top-level action that the monkey sets up a game one or two stones from
// its end (a win for the taking, or a draw), so that those endings are played as well.
constexpr double kStageChance = 0.01;

// Nearly finished games in the tests' board notation, the human to move. However
// its gaps are filled, each draw board ends full with no four in a row anywhere.
struct StagedGame {
    const char* name;
    bool computerBegan;
    const char* board;
};
constexpr std::array<StagedGame, 4> kStagedGames{{
    {"draw, computer began", true, "x.xoxox xoxoxox xoxoxox oxoxoxo oxoxoxo oxoxoxo"},
    {"draw, human began", false, "x..oxox xoxoxox xoxoxox oxoxoxo oxoxoxo oxoxoxo"},
    {"win, computer began", true, "....... ....... ....... ....... ....x.. ooo.xxx"},
    {"win, human began", false, "....... ....... ....... ....... ....... ooo.xxx"},
}};

const QString kHumanToMove =
    QStringLiteral("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");

// The offscreen platform warns about every message box it shows; nothing else is dropped.
QtMessageHandler previousHandler = nullptr;
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("propagateSizeHints"))) return;
    previousHandler(type, context, text);
}

int FromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The computer's chances drawn from a fixed sequence, so that a seed replays the same games.
struct ReplayableChances {
    ScriptedRandom chances{{0.62, 0.07, 0.35, 0.91, 0.48, 0.23, 0.77, 0.14, 0.56, 0.99, 0.3}};
};

// The main window with a silent sound device, replayable chances and a stepped clock, remembering
// who began the game it set up last.
class MonkeyWindow : private FakeSoundDevice,
                     private ReplayableChances,
                     private SteppedTime,
                     public frmHaupt {
  public:
    MonkeyWindow() : FakeSoundDevice(1), SteppedTime(kClockStepSeconds), frmHaupt(wave_, clock) {
        Load(game_);
    }

    // Asked once by every new game that is really set up (not by one that only defers itself).
    bool ComputerBegins() const override {
        computerBegan_ = frmHaupt::ComputerBegins();
        return computerBegan_;
    }
    bool computerBegan() const { return computerBegan_; }
    // For a game put on the board by the test rather than played from the start.
    void StageWhoBegan(bool computerBegan) { computerBegan_ = computerBegan; }

  private:
    // The window's own first game, set up while it was built, begins with the human.
    mutable bool computerBegan_ = false;
    ComputerPlayer computer_{chances};
    Game game_{*this, computer_};
};

// A column where player's stone would complete four in a row, or -1.
int WinningColumn(const GameState& state, int16 player) {
    for (int column = 0; column < kColumnCount; ++column) {
        const int landing = LandingCell(state, column);
        if (landing < 0) continue;
        GameState trial = state;
        trial.Cells[landing] = player;
        if (HasFourInARow(trial, player)) return column;
    }
    return -1;
}

// True when the human's stone in column would leave the computer a winning move.
bool HandsTheComputerAWin(const GameState& state, int column) {
    const int landing = LandingCell(state, column);
    if (landing < 0) return false;
    GameState trial = state;
    trial.Cells[landing] = kHuman;
    return WinningColumn(trial, kComputer) >= 0;
}

// The board picture and what it is drawn from, as the window holds them.
BoardPictures BoardPicturesOf(const frmHaupt& window) {
    const GamePictures& pictures = window.pictures();
    return {SourceViewOf(pictures.Board()), SourceViewOf(pictures.EmptyBoard()),
            SourceViewOf(pictures.Image(Picture::StoneMask)),
            SourceViewOf(pictures.Image(Picture::HumanStone)),
            SourceViewOf(pictures.Image(Picture::ComputerStone))};
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF position) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class Monkey : public QObject {
  public:
    Monkey(MonkeyWindow& window, unsigned seed) : window_(window), random_(seed), seed_(seed) {
        for (QTimer& injector : injectors_) {
            injector.setInterval(0);
            connect(&injector, &QTimer::timeout, this, &Monkey::Tick);
        }
        buttons_ = {window.picButtonNeuesSpiel(), window.picButtonAnleitung(),
                    window.picButtonCopyright(), window.picButtonExit()};
        options_ = {window.picOptionen()->optAnfangSp(1), window.picOptionen()->optAnfangSp(2),
                    window.picOptionen()->optStaerke(1), window.picOptionen()->optStaerke(3),
                    window.picOptionen()->optStaerke(4)};
        keyTargets_ = {&window, window.picSpielfeld(), window.picOptionen()->optAnfangSp(1),
                       window.picOptionen()->optStaerke(4), window.picButtonNeuesSpiel()};
        // The exit question is always answered No, so the program must never be told to end.
        connect(&window, &frmHaupt::exitConfirmed, this,
                [this] { Fail(QStringLiteral("the exit was confirmed")); });
    }

    // Plays until the given number of events has been delivered or a check fails.
    void Run(int events) {
        while (events_ < events && fault_.isEmpty()) {
            if (Chance() < kStageChance) StageNearlyFinishedGame();
            ++depth_;
            injectionsLeft_ = Pick(kMaxInjectedPerAction + 1);
            injectors_[0].start();
            Act(false);
            injectors_[0].stop();
            --depth_;
            // Let what the action left behind (repaints, late timer ticks) run out.
            QCoreApplication::processEvents();
            CheckIdle();
        }
    }

    const QString& fault() const { return fault_; }

    // Puts one of the staged games on the board at random.
    void StageNearlyFinishedGame() { Stage(kStagedGames[static_cast<std::size_t>(Pick(4))]); }

    // Plays every staged ending once more to its end: the human completes the line or fills
    // the board with a plain click, and nothing is sent from inside the game's waits (boxes are
    // still answered from there). Random play may spoil every staged ending with a new game,
    // so this makes sure each result message is met in every run. Then each win is played
    // again and interrupted while its line is shown, once by "Neues Spiel" and once by a
    // change of who begins answered "Ja" or "Nein".
    void PlayEveryEnding() {
        for (const StagedGame& staged : kStagedGames)
            FinishStagedGame(staged, false);
        for (int round = 0; round < 2; ++round) {
            for (const StagedGame& staged : kStagedGames) {
                if (WinningColumn(StagedPosition(staged), kHuman) >= 0)
                    FinishStagedGame(staged, true);
            }
        }
    }

    void FinishStagedGame(const StagedGame& staged, bool interruptTheLine) {
        if (!fault_.isEmpty()) return;
        Stage(staged);
        const GameState& state = window_.game().state();
        // The winning column, else the first open one (the draws have one or two left).
        int column = WinningColumn(state, kHuman);
        for (int c = 0; column < 0 && c < kColumnCount; ++c) {
            if (LandingCell(state, c) >= 0) column = c;
        }
        Note(QStringLiteral("finish \"%1\" in column %2").arg(staged.name).arg(column + 1));
        ++depth_;
        injectionsLeft_ = interruptTheLine ? 1 : 0;
        onlyWhileLineShown_ = interruptTheLine;
        injectors_[0].start();
        const QPointF at(ColumnLeft(column) + 20, 20);
        Deliver(window_.picSpielfeld(), QEvent::MouseButtonPress, at);
        Deliver(window_.picSpielfeld(), QEvent::MouseButtonRelease, at);
        injectors_[0].stop();
        onlyWhileLineShown_ = false;
        --depth_;
        QCoreApplication::processEvents();
        CheckIdle();
        if (interruptTheLine && injectionsLeft_ != 0)
            Fail(QStringLiteral("the line of \"%1\" was never interrupted").arg(staged.name));
    }

    static GameState StagedPosition(const StagedGame& staged) {
        return PositionFromText(QString::fromLatin1(staged.board)
                                    .replace(QLatin1Char(' '), QLatin1Char('\n'))
                                    .toStdString());
    }

    // Puts a staged game on the board as if it had been played (the idle window shows the
    // human to move), and selects who began to match it.
    void Stage(const StagedGame& staged) {
        ++staged_;
        Note(QStringLiteral("stage \"%1\"").arg(QLatin1String(staged.name)));
        const GameState drawn = StagedPosition(staged);
        GameState& state = window_.game().state();
        state.Cells = drawn.Cells;
        state.ColumnState = drawn.ColumnState;
        state.FullColumnCount = drawn.FullColumnCount;
        state.board.ClearRows(kRowCount);
        // Twice the computer's moves so far, as if they had all been played.
        state.MoveCount = static_cast<int16>(2 * CountStones(state, kComputer));
        window_.StageWhoBegan(staged.computerBegan);
        window_.RestoreBoardPicture();
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (state.Cells[cell] != 0) window_.game().SteinSetzen(cell, state.Cells[cell]);
        }
        CheckIdle();
    }

    void Report() const {
        qInfo("monkey: seed %u, %d events (%d delivered from inside the game's waits)", seed_,
              events_, injected_);
        qInfo("monkey: %d nearly finished games staged", staged_);
        qInfo(
            "monkey: %d board clicks (%d inside the board), %d button sequences, %d option "
            "clicks, %d keys",
            boardClicks_, boardClicksInside_, buttonSequences_, optionClicks_, keys_);
        qInfo(
            "monkey: new games asked for %d times, %d while a stone fell, %d while the "
            "computer thought (%d by a \"Ja\" to a question asked while a stone fell); %d new "
            "games or who-begins changes while a line was shown (%d of them the human's)",
            newGameRequests_, newGamesWhileFalling_, newGamesWhileThinking_, yesWhileFalling_,
            newGamesWhileLineShown_, newGamesWhileHumansLineShown_);
        const int wins = BoxesTitled("Sieg");
        const int losses = BoxesTitled("Niederlage");
        const int draws = BoxesTitled("Unentschieden");
        qInfo("monkey: %d games finished: %d won, %d lost, %d drawn", wins + losses + draws, wins,
              losses, draws);
        int answered = 0;
        for (const auto& [title, count] : boxes_)
            answered += count;
        qInfo(
            "monkey: %d message boxes answered: %d new-game questions, %d exit questions, %d "
            "full columns",
            answered, BoxesTitled("Frage:"), BoxesTitled("-=Beenden=-"),
            BoxesTitled("Aufwachen !"));
    }

    int BoxesTitled(const QString& title) const {
        const auto found = boxes_.find(title);
        return found == boxes_.end() ? 0 : found->second;
    }
    int newGamesWhileFalling() const { return newGamesWhileFalling_; }
    int newGamesWhileThinking() const { return newGamesWhileThinking_; }
    int yesWhileFalling() const { return yesWhileFalling_; }
    int newGamesWhileLineShown() const { return newGamesWhileLineShown_; }
    int newGamesWhileHumansLineShown() const { return newGamesWhileHumansLineShown_; }
    int injected() const { return injected_; }

  private:
    double Chance() { return std::uniform_real_distribution<double>(0, 1)(random_); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    double Between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    // One tick of an injector: answers an open box now and then, otherwise sometimes acts
    // from inside whatever the game is waiting in.
    void Tick() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // Some questions asked while a stone fell stay open until it has landed: the fall
            // timer ticks on inside the box, and the answer then finds the drop still waiting.
            const bool hold = !clicksInProgress_.empty() &&
                              clicksInProgress_.back().answerOnceLanded &&
                              window_.game().flags().DropRunning;
            if (box->isVisible() && !hold && Chance() < kAnswerChance) Answer(box);
            return;
        }
        if (!fault_.isEmpty() || depth_ >= kInjectors || injectionsLeft_ == 0) return;
        if (onlyWhileLineShown_ && !LineShown()) return;
        if (!onlyWhileLineShown_ &&
            Chance() >= (LineShown() ? kInjectChanceWhileLineShown : kInjectChance))
            return;
        --injectionsLeft_;
        QTimer& nextLevel = injectors_[static_cast<std::size_t>(depth_)];
        nextLevel.start();
        ++depth_;
        Act(true);
        --depth_;
        nextLevel.stop();
    }

    void Answer(QMessageBox* box) {
        const QString title = box->windowTitle();
        ++boxes_[title];
        CheckResultShown(title);
        // Never end the program; questions about a new game get a random answer.
        QString wanted = QStringLiteral("OK");
        if (title == QStringLiteral("-=Beenden=-")) wanted = QStringLiteral("Nein");
        if (title == QStringLiteral("Frage:")) {
            wanted = Chance() < 0.5 ? QStringLiteral("Ja") : QStringLiteral("Nein");
            if (wanted == QStringLiteral("Ja")) {
                CountNewGameRequest();
                if (!clicksInProgress_.empty() && clicksInProgress_.back().whileFalling)
                    ++yesWhileFalling_;
            }
        }
        Note(QStringLiteral("answer \"%1\" with %2").arg(title, wanted));
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == wanted) {
                button->click();
                return;
            }
        }
        Fail(QStringLiteral("box \"%1\" has no button \"%2\"").arg(title, wanted));
        box->buttons().front()->click();
    }

    // A line of the side to move is on the board and not yet announced: the game is showing it
    // (or about to, its scan still running).
    bool LineShown() const {
        const GameState& state = window_.game().state();
        return !window_.game().flags().FourFound && HasFourInARow(state, state.PlayerToMove);
    }

    void Act(bool injected) {
        if (injected) ++injected_;
        if (injected && LineShown() && (onlyWhileLineShown_ || Chance() < kNewGameWhileLineShown)) {
            ++newGamesWhileLineShown_;
            if (window_.game().state().PlayerToMove == kHuman) ++newGamesWhileHumansLineShown_;
            if (Chance() < 0.5) {
                OptionClick(WhoBeginsChange());
            } else {
                PressNewGame();
            }
            return;
        }
        // A change of who begins while a stone falls asks its question in the middle of the drop.
        if (injected && window_.game().flags().DropRunning && Chance() < kWhoBeginsWhileFalling) {
            OptionClick(WhoBeginsChange());
            return;
        }
        const double roll = Chance();
        if (roll < 0.60) {
            BoardClick();
        } else if (roll < 0.78) {
            ButtonSequence();
        } else if (roll < 0.86) {
            OptionClick(options_[static_cast<std::size_t>(Pick(5))]);
        } else {
            Key();
        }
    }

    // A click anywhere on or around the board; the board reports only the release. Some clicks
    // are aimed, so that games are also won, drawn and columns filled.
    void BoardClick() {
        BoardView* board = window_.picSpielfeld();
        const double margin = 40;
        const double roll = Chance();
        QPointF at;
        if (roll < 0.7) {
            // Columns are 60 pixels apart from 20 on, each stone 40 pixels wide.
            const int column = AimedColumn();
            at = QPointF(ColumnLeft(column) + Between(0, 40), Between(0, board->height()));
        } else if (roll < 0.93) {
            at = QPointF(Between(0, board->width()), Between(0, board->height()));
        } else {
            at = QPointF(Between(-margin, board->width() + margin),
                         Between(-margin, board->height() + margin));
        }
        ++boardClicks_;
        if (at.x() >= 0 && at.y() >= 0 && at.x() <= board->width() && at.y() <= board->height())
            ++boardClicksInside_;
        Note(QStringLiteral("board click at %1, %2").arg(at.x()).arg(at.y()));
        Deliver(board, QEvent::MouseButtonPress, at);
        Deliver(board, QEvent::MouseButtonRelease, at);
    }

    // Completes the human's line, else blocks the computer's, else mostly keeps stacking one
    // favourite column (also once it is full).
    int AimedColumn() {
        const GameState& state = window_.game().state();
        int column = WinningColumn(state, kHuman);
        if (column < 0) column = WinningColumn(state, kComputer);
        if (column >= 0) return column;
        if (Chance() < 0.15) favouriteColumn_ = Pick(kColumnCount);
        for (int tries = 0; tries < kColumnCount && HandsTheComputerAWin(state, favouriteColumn_);
             ++tries) {
            favouriteColumn_ = (favouriteColumn_ + 1) % kColumnCount;
        }
        return favouriteColumn_;
    }

    // Press a drawn button, drag around in and out of it, release in or out of it.
    void ButtonSequence() {
        static constexpr std::array<double, 4> kWeights{0.4, 0.2, 0.2, 0.2};
        const double roll = Chance();
        std::size_t which = 0;
        for (double sum = kWeights[0]; which + 1 < kWeights.size() && roll >= sum;)
            sum += kWeights[++which];
        DrawnButton* button = buttons_[which];
        ++buttonSequences_;
        const auto pointOn = [&](bool inside) {
            const double margin = 25;
            return inside ? QPointF(Between(0, button->width()), Between(0, button->height()))
                          : QPointF(Between(-margin, 0) - 1, Between(-margin, margin));
        };
        Note(QStringLiteral("press button %1").arg(which));
        Deliver(button, QEvent::MouseButtonPress, pointOn(true));
        for (int moves = Pick(4); moves > 0; --moves) {
            Deliver(button, QEvent::MouseMove, pointOn(Chance() < 0.5));
        }
        const bool releaseInside = Chance() < 0.7;
        Note(QStringLiteral("release button %1 %2").arg(which).arg(releaseInside ? "in" : "out"));
        if (releaseInside && which == 0) CountNewGameRequest();
        Deliver(button, QEvent::MouseButtonRelease, pointOn(releaseInside));
    }

    // "Neues Spiel" pressed and released over itself.
    void PressNewGame() {
        DrawnButton* button = buttons_[0];
        const QPointF at(button->width() / 2.0, button->height() / 2.0);
        Note(QStringLiteral("click \"Neues Spiel\""));
        CountNewGameRequest();
        Deliver(button, QEvent::MouseButtonPress, at);
        Deliver(button, QEvent::MouseButtonRelease, at);
    }

    // A click on one of the option buttons; a new selection of who begins asks a question.
    void OptionClick(QRadioButton* option) {
        ++optionClicks_;
        Note(QStringLiteral("click option \"%1\"").arg(option->text()));
        const QPointF centre(option->width() / 2.0, option->height() / 2.0);
        // The question a who-begins click asks is answered while this click is delivered.
        const bool falling = window_.game().flags().DropRunning;
        clicksInProgress_.push_back({falling, falling && Chance() < 0.5});
        Deliver(option, QEvent::MouseButtonPress, centre);
        Deliver(option, QEvent::MouseButtonRelease, centre);
        clicksInProgress_.pop_back();
    }

    // The who-begins option that is not selected now: clicking it asks the new-game question.
    QRadioButton* WhoBeginsChange() const {
        QRadioButton* human = window_.picOptionen()->optAnfangSp(1);
        return human->isChecked() ? window_.picOptionen()->optAnfangSp(2) : human;
    }

    // The sound and animation switches, in both cases, and a key that does nothing.
    void Key() {
        static constexpr std::array<std::pair<Qt::Key, char>, 5> kKeys{{{Qt::Key_S, 's'},
                                                                        {Qt::Key_S, 'S'},
                                                                        {Qt::Key_A, 'a'},
                                                                        {Qt::Key_A, 'A'},
                                                                        {Qt::Key_X, 'x'}}};
        const auto& [key, text] = kKeys[static_cast<std::size_t>(Pick(5))];
        QWidget* target = keyTargets_[static_cast<std::size_t>(Pick(5))];
        ++keys_;
        Note(QStringLiteral("key %1").arg(QChar(text)));
        const Qt::KeyboardModifiers modifiers =
            text >= 'A' && text <= 'Z' ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(QChar(text)));
        QApplication::sendEvent(target, &press);
        ++events_;
        CheckAlways();
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(QChar(text)));
        QApplication::sendEvent(target, &release);
    }

    void Deliver(QWidget* widget, QEvent::Type type, QPointF at) {
        SendMouse(widget, type, at);
        ++events_;
        CheckAlways();
    }

    void CountNewGameRequest() {
        ++newGameRequests_;
        if (window_.game().flags().DropRunning) ++newGamesWhileFalling_;
        if (window_.game().flags().ComputerThinking) ++newGamesWhileThinking_;
    }

    // What holds at any moment, also in the middle of a move.
    void CheckAlways() {
        const GameState& state = window_.game().state();
        Expect(GravityFault(state));
        Expect(StoneCountFault(state, window_.computerBegan()));
        const WindowFlags& flags = window_.game().flags();
        if (!flags.ClickBusy && !flags.DropRunning && !flags.ComputerThinking)
            Expect(ColumnFault(state));
    }

    // A result box announces the position of the game it ends: the line or the full board is
    // there. (The picture may still hold the last frame of a drop that a pending new game cut
    // short; the new game clears it once the box is closed.)
    void CheckResultShown(const QString& title) {
        const GameState& state = window_.game().state();
        bool holds = true;
        if (title == QStringLiteral("Sieg")) holds = HasFourInARow(state, kHuman);
        if (title == QStringLiteral("Niederlage")) holds = HasFourInARow(state, kComputer);
        if (title == QStringLiteral("Unentschieden")) holds = state.FullColumnCount == kColumnCount;
        if (!holds) Fail(QStringLiteral("\"%1\" announced for a position without it").arg(title));
    }

    // What holds once the window has nothing left to do.
    void CheckIdle() {
        CheckAlways();
        const GameState& state = window_.game().state();
        Expect(FinishedPositionFault(state));
        Expect(BoardPictureFault(state, BoardPicturesOf(window_)));
        const WindowFlags& flags = window_.game().flags();
        const std::pair<bool, const char*> raised[] = {
            {flags.ClickBusy, "ClickBusy"},
            {flags.DropRunning, "DropRunning"},
            {flags.NewGamePending, "NewGamePending"},
            {flags.ComputerThinking, "ComputerThinking"},
            {window_.ButtonPressed().value, "ButtonPressed"},
            {window_.FallTimerEnabled(), "the fall timer"}};
        for (const auto& [up, name] : raised) {
            if (up) Fail(QStringLiteral("%1 is still set once the window is idle").arg(name));
        }
        if (state.PlayerToMove != kHuman)
            Fail(QStringLiteral("the computer is to move while the window is idle"));
        if (window_.lblStatus()->text() != kHumanToMove || !window_.lblStatus()->isVisible())
            Fail(QStringLiteral("the idle status line shows \"%1\"")
                     .arg(window_.lblStatus()->text()));
    }

    void Expect(const std::string& fault) {
        if (!fault.empty()) Fail(QString::fromStdString(fault));
    }

    void Fail(const QString& what) {
        if (!fault_.isEmpty()) return;
        const WindowFlags& flags = window_.game().flags();
        fault_ = QStringLiteral(
                     "%1\nafter event %2 at depth %3 (seed %4); flags: ClickBusy %5, "
                     "DropRunning %6, NewGamePending %7, ComputerThinking %8\n")
                     .arg(what)
                     .arg(events_)
                     .arg(depth_)
                     .arg(seed_)
                     .arg(flags.ClickBusy)
                     .arg(flags.DropRunning)
                     .arg(flags.NewGamePending)
                     .arg(flags.ComputerThinking);
        fault_ += QString::fromStdString(DrawCells(window_.game().state()));
        fault_ += QStringLiteral("last actions (depth: action):\n");
        for (const QString& action : recent_)
            fault_ += action + QLatin1Char('\n');
    }

    void Note(const QString& action) {
        recent_.push_back(QStringLiteral("%1: %2").arg(depth_).arg(action));
        if (recent_.size() > kRecentActions) recent_.pop_front();
    }

    MonkeyWindow& window_;
    std::mt19937 random_;
    unsigned seed_;
    std::array<QTimer, kInjectors> injectors_;
    std::array<DrawnButton*, 4> buttons_{};
    std::array<QRadioButton*, 5> options_{};
    std::array<QWidget*, 5> keyTargets_{};

    int favouriteColumn_ = 3;
    int depth_ = 0;
    int injectionsLeft_ = 0;
    int events_ = 0;
    int staged_ = 0;
    int injected_ = 0;
    int boardClicks_ = 0;
    int boardClicksInside_ = 0;
    int buttonSequences_ = 0;
    int optionClicks_ = 0;
    int keys_ = 0;
    int newGameRequests_ = 0;
    int newGamesWhileFalling_ = 0;
    int newGamesWhileThinking_ = 0;
    int yesWhileFalling_ = 0;
    int newGamesWhileLineShown_ = 0;
    int newGamesWhileHumansLineShown_ = 0;
    // Actions are injected only while a found line is shown.
    bool onlyWhileLineShown_ = false;
    // The option clicks being delivered, innermost last.
    struct OptionClickInProgress {
        bool whileFalling;
        bool answerOnceLanded;
    };
    std::vector<OptionClickInProgress> clicksInProgress_;
    std::map<QString, int> boxes_;
    std::deque<QString> recent_;
    QString fault_;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    // The checks the monkey relies on must themselves see broken positions.
    void positionChecksSeeBrokenPositions_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<bool>("computerBegan");
        QTest::addColumn<QString>("broken");
        QTest::newRow("sound position")
            << "....... ....... ....... ....... ...x... ..oox.." << false << "";
        QTest::newRow("floating stone")
            << "....... ....... ....... ...o... ....... ..oxx.." << true << "gravity";
        QTest::newRow("two human stones ahead")
            << "....... ....... ....... ....... ....... oo.o.x." << false << "count";
        QTest::newRow("computer ahead though the human began")
            << "....... ....... ....... ....... ....... .xx.o.." << false << "count";
        QTest::newRow("human four")
            << "....... ....... ....... ....... ...xxx. ...oooo" << false << "finished";
        QTest::newRow("computer diagonal")
            << "....... ....... ...x... ..xo... .xoo... xoooxxx" << true << "finished";
        QTest::newRow("full board without line")
            << "xoxoxox xoxoxox xoxoxox oxoxoxo oxoxoxo oxoxoxo" << true << "finished";
    }
    void positionChecksSeeBrokenPositions() {
        QFETCH(QString, board);
        QFETCH(bool, computerBegan);
        QFETCH(QString, broken);
        const GameState state = PositionFromText(board.replace(' ', '\n').toStdString());
        QCOMPARE(GravityFault(state).empty(), broken != "gravity");
        QCOMPARE(StoneCountFault(state, computerBegan).empty(), broken != "count");
        QCOMPARE(FinishedPositionFault(state).empty(), broken != "finished");
        QVERIFY(ColumnFault(state).empty());
    }

    void columnCheckSeesStaleColumnState() {
        GameState state =
            PositionFromText("..x....\n..o....\n..x....\n..o....\n..x....\n..o....\n");
        QVERIFY(ColumnFault(state).empty());
        state.ColumnState[2] = kColumnOpen;
        QVERIFY(!ColumnFault(state).empty());
        state.ColumnState[2] = kColumnFull;
        state.FullColumnCount = 0;
        QVERIFY(!ColumnFault(state).empty());
    }

    void boardCheckSeesStonesDrawnOrMissing() {
        MonkeyWindow window;
        GameState& state = window.game().state();
        QVERIFY(BoardPictureFault(state, BoardPicturesOf(window)).empty());
        state.Cells[38] = kHuman;
        QCOMPARE(BoardPictureFault(state, BoardPicturesOf(window)),
                 std::string("board picture: cell 38 shows empty, Cells holds human stone"));
        window.game().SteinSetzen(38, kHuman);
        QVERIFY(BoardPictureFault(state, BoardPicturesOf(window)).empty());
        window.game().SteinSetzen(41, kComputer);
        QCOMPARE(BoardPictureFault(state, BoardPicturesOf(window)),
                 std::string("board picture: cell 41 shows computer stone, Cells holds empty"));
        window.game().SteinSetzen(41, 3);
        QCOMPARE(BoardPictureFault(state, BoardPicturesOf(window)),
                 std::string("board picture: cell 41 shows something else, Cells holds empty"));
    }

    // The stepped clock moves on by its step at every reading, also across midnight.
    void steppedClockRunsOnAtEveryReading() {
        SteppedClock clock(0.5, 86399.25);
        QCOMPARE(clock.TimeOfDay(), 86399.75);
        QCOMPARE(clock.TimeOfDay(), 0.25);
    }

    void monkeyPlaysTheWindowWithoutBreakingIt() {
        const int events = FromEnvironment("TESSORA_MONKEY_EVENTS", kEvents);
        const auto seed = static_cast<unsigned>(FromEnvironment("TESSORA_MONKEY_SEED", kSeed));
        previousHandler = qInstallMessageHandler(DropSizeHintWarnings);
        MonkeyWindow window;
        window.show();
        QElapsedTimer clock;
        clock.start();

        Monkey monkey(window, seed);
        monkey.Run(events);
        monkey.PlayEveryEnding();

        qInfo("monkey: %.1f s", static_cast<double>(clock.elapsed()) / 1000.0);
        monkey.Report();
        qInstallMessageHandler(previousHandler);
        if (!monkey.fault().isEmpty()) QFAIL(qPrintable(monkey.fault()));
        // The run reached the moments it is meant to stress.
        QVERIFY(monkey.injected() > 0);
        QVERIFY(monkey.newGamesWhileFalling() > 0);
        QVERIFY(monkey.newGamesWhileThinking() > 0);
        QVERIFY(monkey.yesWhileFalling() > 0);
        QVERIFY(monkey.newGamesWhileHumansLineShown() > 0);
        QVERIFY(monkey.BoxesTitled("Sieg") > 0);
        QVERIFY(monkey.BoxesTitled("Niederlage") > 0);
        QVERIFY(monkey.BoxesTitled("Unentschieden") > 0);
        QVERIFY(monkey.BoxesTitled("Aufwachen !") > 0);
        QVERIFY(monkey.BoxesTitled("Frage:") > 0);
    }
};

TESSORA_QTEST(MonkeyTest)
#include "monkey_test.moc"
