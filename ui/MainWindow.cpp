#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/InterfaceFont.h"
#include "ui/BoardView.h"
#include "ui/OptionsPanel.h"
#include "ui/Pictures.h"
#include "ui/Placement.h"
#include "ui/PlayArea.h"
#include "ui/PlayAreaView.h"
#include "ui/ScreenRatioWatch.h"
#include "ui/Twips.h"
#include "ui/accessibility/ColumnKeys.h"
#include "ui/accessibility/StatusAnnouncer.h"
#include "ui/explain/ExplanationPanel.h"
#include "ui/explain/HintMarker.h"

namespace tessora {

namespace {
constexpr int kStatusFontPixels = 12;

// The places of the play area's controls, in twips.
constexpr TwipsPlace kLogo{3720, 120};
constexpr TwipsPlace kBoard{2520, 1320, kBoardWidthTwips, kBoardHeightTwips};
constexpr TwipsPlace kStatus{2520, 6480, 6615, 255};
constexpr TwipsPlace kOptions{240, 3120, OptionsPanel::kWidthTwips, OptionsPanel::kHeightTwips};
constexpr TwipsPlace kNeuesSpiel{320, 1440, 1650, 405};
constexpr TwipsPlace kAnleitung{320, 1980, 1650, 405};
constexpr TwipsPlace kCopyright{320, 2520, 1650, 405};
constexpr TwipsPlace kExit{8160, 6720, 1335, 405};

// A resize of the window settles for this long before the pictures are painted for the new size.
constexpr int kResizeSettleMilliseconds = 150;

}  // namespace

frmHaupt::frmHaupt(WaveOutput& waveOutput, Clock& clock, double zoom, QWidget* parent)
    : QWidget(parent),
      pictures_(PictureRatioOf(*this, zoom)),
      sound_(waveOutput, QCoreApplication::applicationDirPath()),
      clock_(clock),
      zoom_(zoom),
      layoutScale_(zoom) {
    setWindowTitle(QStringLiteral("Tessora"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    // A clock that moves only when read has no use for the interval: the fall goes on at every
    // pass of the event loop.
    timFall_.setInterval(clock_.FollowsRealTime() ? kFallIntervalMs : 0);
    timFall_.setTimerType(Qt::PreciseTimer);
    connect(&timFall_, &QTimer::timeout, this, [this] { game_->timFall_Timer(); });
    ratioWatch_ = new ScreenRatioWatch(
        *this, [this] { return PictureRatioOf(*this, layoutScale_); },
        [this] { return pictures_.ratio(); }, [this] { FollowScreenRatio(); });

    BuildControls();
}

void frmHaupt::Load(Game& game) {
    game_ = &game;
    statusAnnouncer_ = std::make_unique<StatusAnnouncer>(lblStatus_);
    // The keys work whichever control of this window has the focus.
    qApp->installEventFilter(this);
    Form_Load();
}

frmHaupt::~frmHaupt() {
    qApp->removeEventFilter(this);
    timFall_.stop();
}

void frmHaupt::BuildControls() {
    picContainer_ = new PlayAreaView(this);

    picSpielfeld_ = new BoardView(pictures_.BoardSlot(), picContainer_);
    connect(picSpielfeld_, &BoardView::mouseUp, this,
            [this](int button, int shift, float x, float y) {
                game_->picSpielfeld_MouseUp(button, shift, x, y);
            });

    lblStatus_ = new QLabel(QStringLiteral("---"), picContainer_);
    lblStatus_->setAlignment(Qt::AlignCenter);
    QPalette white = lblStatus_->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    lblStatus_->setPalette(white);
    statusText_ = "---";

    using artwork::ButtonId;
    picButtonNeuesSpiel_ = MakeButton(ButtonId::NeuesSpiel);
    picButtonAnleitung_ = MakeButton(ButtonId::Anleitung);
    picButtonCopyright_ = MakeButton(ButtonId::Copyright);
    picButtonExit_ = MakeButton(ButtonId::Exit);
    connect(picButtonNeuesSpiel_, &DrawnButton::clicked, this,
            &frmHaupt::picButtonNeuesSpiel_Click);
    connect(picButtonAnleitung_, &DrawnButton::clicked, this, &frmHaupt::picButtonAnleitung_Click);
    connect(picButtonCopyright_, &DrawnButton::clicked, this, &frmHaupt::picButtonCopyright_Click);
    connect(picButtonExit_, &DrawnButton::clicked, this, &frmHaupt::picButtonExit_Click);

    picOptionen_ = new OptionsPanel(picContainer_);
    connect(picOptionen_, &OptionsPanel::optAnfangSp_Click, this, &frmHaupt::optAnfangSp_Click);
    connect(picOptionen_, &OptionsPanel::optStaerke_Click, this, &frmHaupt::optStaerke_Click);
    LayOutPlayArea();
}

// The button's pictures come with the play area's (PaintPlayArea).
DrawnButton* frmHaupt::MakeButton(artwork::ButtonId id) {
    auto* button = new DrawnButton(QImage(), QImage(), buttonPressed_, picContainer_);
    button->setAccessibleName(artwork::ButtonCaption(id));
    return button;
}

void frmHaupt::LayOutPlayArea() {
    const double scale = layoutScale_;
    const auto place = [scale](QWidget* control, const TwipsPlace& layout) {
        PlaceScaled(control, layout.Pixels(), scale);
    };
    place(picContainer_, kPlayArea);
    place(picSpielfeld_, kBoard);
    picSpielfeld_->SetLayoutScale(scale);
    place(lblStatus_, kStatus);
    lblStatus_->setFont(InterfaceFont(ScaledPixels(kStatusFontPixels, scale)));
    place(picButtonNeuesSpiel_, kNeuesSpiel);
    place(picButtonAnleitung_, kAnleitung);
    place(picButtonCopyright_, kCopyright);
    place(picButtonExit_, kExit);
    place(picOptionen_, kOptions);
    picOptionen_->SetLayoutScale(scale);
    if (panel_ != nullptr) panel_->SetLayoutScale(scale);
    CentreContainer();
}

void frmHaupt::SetExplaining() {
    if (panel_ != nullptr) return;
    panel_ = new ExplanationPanel(buttonPressed_, this);
    connect(panel_, &ExplanationPanel::hintRequested, this, &frmHaupt::hintRequested);
    hintMarker_ = new HintMarker(picContainer_);
    LayOutPlayArea();
}

void frmHaupt::ShowExplanation(const Explanation& explanation) {
    hintMarker_->hide();
    ShowInPanel(explanation);
}

void frmHaupt::ShowHint(const Explanation& explanation) {
    ShowInPanel(explanation);
    if (explanation.column > 0) {
        hintMarker_->PointAt(explanation.column - 1, kBoard.Pixels(), layoutScale_);
    }
}

void frmHaupt::ShowInPanel(const Explanation& explanation) {
    panel_->Show(explanation, game_->state().Cells);
    statusAnnouncer_->ExplanationChanged(
        QString::fromStdString(explanation.headline + ' ' + explanation.text));
}

QWidget* frmHaupt::picContainer() const {
    return picContainer_;
}

QImage frmHaupt::containerPicture() const {
    return picContainer_->Picture();
}

void frmHaupt::Form_Load() {
    if (windowed_) {
        // An ordinary window of the play area's size (times the zoom) in the middle of the
        // screen's free area, never made smaller than the play area's own pixels.
        const QRect playArea(QPoint(), ShownArea(Explaining()));
        setMinimumSize(Scaled(playArea, SmallestLayoutScale()).size());
        resize(Scaled(playArea, zoom_).size());
        const QRect free = screen()->availableGeometry();
        move(CentredIn(free, size()));
        // Only the desktop knows how much room its panels and the window's frame leave.
        if (largestWindow_) setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        // Full screen, with the play area in the middle.
        const QRect screenArea = screen()->geometry();
        setGeometry(screenArea);
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
    CentreContainer();

    PaintPlayArea();

    game_->InitSprache();

    buttonPressed_.value = false;
    game_->SetDefaults();

    game_->NewGame();
}

void frmHaupt::PaintPlayArea() {
    // Whiten the logo's surroundings through its mask (the stones' follow when the game first
    // asks for them, so that the first frame need not wait for them).
    stonesWhitened_ = false;
    const PixelView logoMask = ViewOf(pictures_.LogoMask());
    BitBlt(ViewOf(pictures_.Logo()), 0, 0, logoMask.width, logoMask.height, logoMask, 0, 0,
           RasterOp::SrcPaint);

    picOptionen_->TileBackground(pictures_.OptionsTile());

    // The play area tiled, then the logo through its mask: whiten its shape, then put it in.
    // Only the logo's part of the area is kept as a picture, made with the same copies the
    // whole area would be made with; the view draws the tiles around it.
    const double ratio = pictures_.ratio();
    const QSize area = kPlayArea.Pixels().size();
    const QPoint logo = kLogo.TopLeft();
    const QRect logoPlace(logo, QSize(logoMask.width, logoMask.height));
    QImage logoPart = NewPicture(logoPlace.size(), ratio, kPlayAreaGrey);
    PixelView part = ViewOf(logoPart);
    part.originX = DevicePosition(logo.x(), ratio);
    part.originY = DevicePosition(logo.y(), ratio);
    TileArea(part, area, SourceViewOf(pictures_.BackgroundTile()));
    BitBlt(part, logo.x(), logo.y(), logoMask.width, logoMask.height, logoMask, 0, 0,
           RasterOp::MergePaint);
    BitBlt(part, logo.x(), logo.y(), logoMask.width, logoMask.height, ViewOf(pictures_.Logo()), 0,
           0, RasterOp::SrcAnd);
    picContainer_->SetPictures(area, pictures_.BackgroundTile(), std::move(logoPart), logoPlace);

    using artwork::ButtonId;
    const std::pair<DrawnButton*, ButtonId> buttons[] = {
        {picButtonNeuesSpiel_, ButtonId::NeuesSpiel},
        {picButtonAnleitung_, ButtonId::Anleitung},
        {picButtonCopyright_, ButtonId::Copyright},
        {picButtonExit_, ButtonId::Exit}};
    for (const auto& [button, id] : buttons)
        button->SetPictures(pictures_.Button(id, false), pictures_.Button(id, true));
    if (panel_ != nullptr) panel_->SetPictures(ratio, pictures_.BackgroundTile());
}

void frmHaupt::WhitenStones() {
    stonesWhitened_ = true;
    const PixelView stoneMask = pictures_.Surface(Picture::StoneMask);
    for (Picture stone : {Picture::HumanStone, Picture::ComputerStone, Picture::HighlightStone}) {
        BitBlt(pictures_.Surface(stone), 0, 0, stoneMask.width, stoneMask.height, stoneMask, 0, 0,
               RasterOp::SrcPaint);
    }
}

void frmHaupt::FollowScreenRatio() {
    if (game_ == nullptr) return;
    // A move in progress draws on the pictures as they are (a falling stone, a highlighted
    // line); they are painted anew as soon as the game waits for the player again.
    const WindowFlags& flags = game_->flags();
    if (flags.ClickBusy || flags.DropRunning || flags.ComputerThinking || FallTimerEnabled()) {
        constexpr int kRetryMilliseconds = 200;
        ratioWatch_->CheckAfter(kRetryMilliseconds);
        return;
    }
    UsePictureRatio(PictureRatioOf(*this, layoutScale_));
}

void frmHaupt::UsePictureRatio(double ratio) {
    pictures_ = GamePictures(ratio);
    PaintPlayArea();
    // The board starts empty at the new ratio; the stones of the position go back on it.
    const GameState& state = game_->state();
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (state.Cells[cell] != 0) game_->SteinSetzen(cell, state.Cells[cell]);
    }
    pictures_.Finish();
    update();
}

void frmHaupt::CentreContainer() {
    // The play area and the explanation panel beside it are centred together.
    const QSize shown = Scaled(QRect(QPoint(), ShownArea(Explaining())), layoutScale_).size();
    const QPoint at = CentredIn(rect(), shown);
    picContainer_->move(at);
    if (panel_ != nullptr) panel_->move(at.x() + picContainer_->width(), at.y());
}

void frmHaupt::showEvent(QShowEvent* event) {
    // Every picture is on its place before the first frame is drawn.
    pictures_.Finish();
    QWidget::showEvent(event);
    // The frame is known once the window is on the screen.
    if (windowed_) QTimer::singleShot(0, this, &frmHaupt::FitIntoFreeArea);
}

void frmHaupt::FitIntoFreeArea() {
    // A maximized window is the desktop's to size.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QRect free = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (free.contains(frame)) return;
    const QSize decoration = frame.size() - size();
    const QSize room = free.size() - decoration;
    const double fit = PlayAreaFit(room, Explaining());
    if (fit < layoutScale_) {
        resize((QSizeF(ShownArea(Explaining())) * fit).toSize().expandedTo(minimumSize()));
    }
    const QSize outer = frameGeometry().size();
    move(CentredIn(free, outer, free));
}

double frmHaupt::SmallestLayoutScale() const {
    // In a window the play area never gets fewer device pixels than at its own size on a screen
    // of ratio 1.
    return 1 / std::max(1.0, devicePixelRatioF());
}

void frmHaupt::resizeEvent(QResizeEvent* /*event*/) {
    if (!windowed_) {
        CentreContainer();
        return;
    }
    // In a window the play area fills the window's width or height and keeps its proportions;
    // its pictures are painted for the new size once the resize has settled.
    const double scale = std::max(SmallestLayoutScale(), PlayAreaFit(size(), Explaining()));
    if (scale == layoutScale_) {
        CentreContainer();
        return;
    }
    layoutScale_ = scale;
    LayOutPlayArea();
    ratioWatch_->CheckAfter(kResizeSettleMilliseconds);
}

bool frmHaupt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QString text = keyEvent->text();
    if (text.size() != 1) return false;
    const QChar key = text.front();
    // Keyboard play: a column key is a left click in the middle of its column, through the
    // board's own click; like a click, it gives the board the focus, where a screen reader
    // follows the stones. A held key drops one stone, as a held mouse button does.
    if (const std::optional<QPointF> click = ColumnClickForKey(key); keyboardPlay_ && click) {
        if (!keyEvent->isAutoRepeat()) {
            picSpielfeld_->setFocus(Qt::OtherFocusReason);
            game_->picSpielfeld_MouseUp(1, 0, static_cast<float>(click->x()),
                                        static_cast<float>(click->y()));
        }
        return true;
    }
    // With explanations, T asks for a hint as the button "Tipp" does.
    if (panel_ != nullptr && key.toLower() == QLatin1Char('t')) {
        if (!keyEvent->isAutoRepeat()) emit hintRequested();
        return true;
    }
    if (key.toLower() != QLatin1Char('s') && key.toLower() != QLatin1Char('a')) return false;
    // Consumed: no other control acts on these two keys.
    Form_KeyPress(key);
    return true;
}

void frmHaupt::SetKeyboardPlay(bool on) {
    keyboardPlay_ = on;
    picSpielfeld_->SetKeyboardPlay(on);
    for (DrawnButton* button :
         {picButtonNeuesSpiel_, picButtonAnleitung_, picButtonCopyright_, picButtonExit_}) {
        button->SetKeyboardPlay(on);
    }
    // Tab goes through the play area as it reads: the board, the three buttons on the left, the
    // options below them, and the exit button at the bottom right last.
    if (on) QWidget::setTabOrder(picOptionen_->optStaerke(kStrengthProfessional), picButtonExit_);
    // With explanations the panel's "Tipp" follows, right of the play area.
    if (panel_ != nullptr) {
        panel_->tipp()->SetKeyboardPlay(on);
        if (on) QWidget::setTabOrder(picButtonExit_, panel_->tipp());
    }
}

void frmHaupt::Form_KeyPress(QChar key) {
    if (key == QLatin1Char('s') || key == QLatin1Char('S')) game_->ToggleSound();
    if (key == QLatin1Char('a') || key == QLatin1Char('A')) game_->ToggleAnimation();
}

void frmHaupt::optAnfangSp_Click(int /*index*/) {
    PlaySound(Sound::Wahl);
    const MessageTexts& texts = game_->texts();
    if (MessageBox(texts.NewGameQuestion, texts.TitleNewGameQuestion, mb::kYesNoQuestion) ==
        mb::kAnswerYes) {
        game_->NewGame();
    }
}

void frmHaupt::optStaerke_Click(int /*index*/) {
    PlaySound(Sound::Wahl);
    for (const int16 strength : kOfferedStrengths) {
        if (picOptionen_->optStaerke(strength)->isChecked()) game_->SetStrength(strength);
    }
}

void frmHaupt::picButtonNeuesSpiel_Click() {
    PlaySound(Sound::Klick);
    game_->NewGame();
}

void frmHaupt::picButtonAnleitung_Click() {
    OpenSideWindow(&frmHaupt::showInstructions, Sound::Anleitun);
}

void frmHaupt::picButtonCopyright_Click() {
    OpenSideWindow(&frmHaupt::showCopyright, Sound::Tada);
}

void frmHaupt::OpenSideWindow(void (frmHaupt::*request)(), Sound openingSound) {
    PlaySound(Sound::Klick);
    // With nobody to show the window, the main window stays usable.
    if (!isSignalConnected(QMetaMethod::fromSignal(request))) return;
    emit(this->*request)();
    setEnabled(false);
    PlaySound(openingSound);
}

void frmHaupt::picButtonExit_Click() {
    PlaySound(Sound::Klick);
    const MessageTexts& texts = game_->texts();
    if (MessageBox(texts.ExitQuestion, texts.TitleExitQuestion, mb::kYesNoQuestion) !=
        mb::kAnswerNo) {
        EndProgram();
    }
}

// Closed through the title bar: the program ends as after the exit question.
void frmHaupt::closeEvent(QCloseEvent* event) {
    EndProgram();
    event->accept();
}

void frmHaupt::EndProgram() {
    game_->EndProgram();
    emit exitConfirmed();
}

}  // namespace tessora
