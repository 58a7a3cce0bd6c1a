#include "ui/instructions/InstructionsWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>

#include "platform/BitBlt.h"
#include "ui/GamePictures.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"
#include "ui/instructions/InstructionsText.h"

namespace tessora {

namespace {
// The window and its controls, in twips.
constexpr int kWindowWidth = 7200;
constexpr int kWindowHeight = 6000;
constexpr int kHeadingLeft = 1350;
constexpr int kHeadingTop = 180;
constexpr int kTextLeft = 360;
constexpr int kTextTop = 1080;
constexpr int kTextWidth = 6480;
constexpr int kTextHeight = 3990;
constexpr int kButtonLeft = 2775;
constexpr int kButtonTop = 5310;

constexpr int kFontPixels = 13;
constexpr int kParagraphIndentPixels = 18;
constexpr int kParagraphGapPixels = 7;
constexpr int kFrameLinePixels = 2;
constexpr QRgb kFrameColour = 0xFF8393AD;  // the steel of the options panel, lightened

// Light text on a deep, slightly see-through slate, so that the tiles still show at the edge.
const char* const kTextBoxStyle =
    "QTextEdit { background-color: rgba(12, 17, 29, 215); color: #E8ECF3;"
    " border: 1px solid #66758F; border-radius: 3px; padding: 6px 4px 6px 8px;"
    " selection-background-color: #4D6A99; selection-color: #FFFFFF; }"
    "QScrollBar:vertical { background: #1B2233; width: 12px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #5B6A85; min-height: 24px; border-radius: 4px;"
    " margin: 2px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

// The paragraphs with their first lines indented and a little air between them.
void FillText(QTextEdit* box) {
    QTextCursor cursor(box->document());
    QTextBlockFormat paragraph;
    paragraph.setTextIndent(kParagraphIndentPixels);
    paragraph.setBottomMargin(kParagraphGapPixels);
    paragraph.setLineHeight(112, QTextBlockFormat::ProportionalHeight);
    const QStringList paragraphs = InstructionsParagraphs();
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i == 0) {
            cursor.setBlockFormat(paragraph);
        } else {
            cursor.insertBlock(paragraph);
        }
        cursor.insertText(paragraphs[i]);
    }
}
}  // namespace

frmAnleitung::frmAnleitung(std::function<void(std::string_view)> playSound,
                           ButtonPressedFlag& buttonPressed, QWidget* mainWindow)
    : playSound_(std::move(playSound)),
      mainWindow_(mainWindow),
      picHG_(artwork::BackgroundTile()),
      picAnleitung_(artwork::InstructionsHeading()),
      picAnleitungBlack_(artwork::InstructionsHeadingMask()),
      picButtonZurueck_(new DrawnButton(artwork::Button(artwork::ButtonId::Zurueck, false),
                                        artwork::Button(artwork::ButtonId::Zurueck, true),
                                        buttonPressed, this)) {
    setWindowTitle(QStringLiteral("Anleitung"));
    setFixedSize(TwipsRect(0, 0, kWindowWidth, kWindowHeight).size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    BuildControls();
    connect(picButtonZurueck_, &DrawnButton::clicked, this, &frmAnleitung::picButtonZurueck_Click);
}

void frmAnleitung::BuildControls() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kFontPixels);

    txtAnleitung_ = new QTextEdit(this);
    txtAnleitung_->setReadOnly(true);
    // Read-only, but with a caret and keyboard selection, like a locked text box.
    txtAnleitung_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    txtAnleitung_->setFont(font);
    txtAnleitung_->setStyleSheet(QString::fromLatin1(kTextBoxStyle));
    txtAnleitung_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtAnleitung_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillText(txtAnleitung_);

    shRahmen_ = new QFrame(this);
    shRahmen_->setFrameShape(QFrame::Box);
    shRahmen_->setFrameShadow(QFrame::Plain);
    shRahmen_->setLineWidth(kFrameLinePixels);
    QPalette framePalette = shRahmen_->palette();
    framePalette.setColor(QPalette::WindowText, QColor(kFrameColour));
    shRahmen_->setPalette(framePalette);
    shRahmen_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmAnleitung::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    // Stay in front of the main window, which this window stands in for while it is up.
    if (mainWindow_ != nullptr && mainWindow_->windowHandle() != nullptr &&
        windowHandle() != nullptr) {
        windowHandle()->setTransientParent(mainWindow_->windowHandle());
    }
    Form_Activate();
    QWidget::showEvent(event);
}

void frmAnleitung::Form_Load() {
    // The heading becomes white wherever its mask is white.
    BitBlt(ViewOf(picAnleitung_), 0, 0, picAnleitung_.width(), picAnleitung_.height(),
           SourceViewOf(picAnleitungBlack_), 0, 0, RasterOp::SrcPaint);

    shRahmen_->setGeometry(0, 0, width(), height());

    const QRect screenArea = screen()->geometry();
    move(screenArea.left() + (screenArea.width() - width()) / 2,
         screenArea.top() + (screenArea.height() - height()) / 2);

    background_ = QImage(size(), QImage::Format_RGB32);
    TileWith(background_, picHG_);

    txtAnleitung_->setGeometry(TwipsRect(kTextLeft, kTextTop, kTextWidth, kTextHeight));
    const QPoint heading = TwipsRect(kHeadingLeft, kHeadingTop, 0, 0).topLeft();
    const PixelView window = ViewOf(background_);
    BitBlt(window, heading.x(), heading.y(), picAnleitung_.width(), picAnleitung_.height(),
           SourceViewOf(picAnleitungBlack_), 0, 0, RasterOp::MergePaint);
    BitBlt(window, heading.x(), heading.y(), picAnleitung_.width(), picAnleitung_.height(),
           SourceViewOf(picAnleitung_), 0, 0, RasterOp::SrcAnd);

    picButtonZurueck_->move(TwipsRect(kButtonLeft, kButtonTop, 0, 0).topLeft());
    shRahmen_->raise();
    update();
}

// Every showing starts at the top of the text, with the caret before its first letter.
void frmAnleitung::Form_Activate() {
    QTextCursor cursor = txtAnleitung_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    txtAnleitung_->setTextCursor(cursor);
    txtAnleitung_->verticalScrollBar()->setValue(0);
}

void frmAnleitung::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (background_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(0, 0, background_);
}

void frmAnleitung::picButtonZurueck_Click() {
    playSound_("KLICK.WAV");
    ReturnToMainWindow();
    hide();
}

// Closed through the title bar: return to the game as the back button does, so that the main
// window is never left disabled behind a window that has gone.
void frmAnleitung::closeEvent(QCloseEvent* event) {
    ReturnToMainWindow();
    event->accept();
}

void frmAnleitung::ReturnToMainWindow() {
    if (mainWindow_ == nullptr) return;
    mainWindow_->show();
    mainWindow_->setEnabled(true);
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

}  // namespace tessora
