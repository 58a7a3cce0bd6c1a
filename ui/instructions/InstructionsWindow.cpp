#include "ui/instructions/InstructionsWindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/BitBlt.h"
#include "platform/qt/InterfaceFont.h"
#include "ui/GamePictures.h"
#include "ui/SlateTextBox.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"
#include "ui/instructions/InstructionsText.h"

namespace tessora {

namespace {
// The window and its controls, in twips.
constexpr TwipsPlace kWindow{0, 0, 7200, 6000};
constexpr TwipsPlace kHeading{1350, 180};
constexpr TwipsPlace kText{360, 1080, 6480, 3990};
constexpr TwipsPlace kButton{2775, 5310, 1650, 405};  // the back button, 110 x 27 pixels

constexpr int kFontPixels = 13;
constexpr int kParagraphIndentPixels = 18;
constexpr int kParagraphGapPixels = 7;
constexpr int kFrameLinePixels = 2;
constexpr QRgb kFrameColour = 0xFF8393AD;  // the steel of the options panel, lightened

// The paragraphs with their first lines indented and a little air between them (lengths at the
// window's zoom).
void FillText(QTextEdit* box, double zoom) {
    QTextCursor cursor(box->document());
    QTextBlockFormat paragraph;
    paragraph.setTextIndent(kParagraphIndentPixels * zoom);
    paragraph.setBottomMargin(kParagraphGapPixels * zoom);
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

frmAnleitung::frmAnleitung(PlaySoundFunction playSound, ButtonPressedFlag& buttonPressed,
                           QWidget* mainWindow, double zoom)
    : SideWindow(QCoreApplication::translate("Windows", "Anleitung"), kWindow.width, kWindow.height,
                 zoom, std::move(playSound), mainWindow),
      picButtonZurueck_(new DrawnButton(
          artwork::Button(artwork::ButtonId::Zurueck, false, pictureRatio()),
          artwork::Button(artwork::ButtonId::Zurueck, true, pictureRatio()), buttonPressed, this)) {
    BuildControls();
    connect(picButtonZurueck_, &DrawnButton::clicked, this, &frmAnleitung::ReturnWithClick);
    picButtonZurueck_->setAccessibleName(artwork::ButtonCaption(artwork::ButtonId::Zurueck));
}

void frmAnleitung::SetKeyboardPlay(bool on) {
    picButtonZurueck_->SetKeyboardPlay(on);
}

void frmAnleitung::BuildControls() {
    txtAnleitung_ = new QTextEdit(this);
    txtAnleitung_->setReadOnly(true);
    // Named, so that a screen reader announces what the text holds when it takes the focus.
    txtAnleitung_->setAccessibleName(QCoreApplication::translate("Windows", "Spielanleitung"));
    // Read-only, but with a caret and keyboard selection, like a locked text box.
    txtAnleitung_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    txtAnleitung_->setFont(InterfaceFont(Zoomed(kFontPixels)));
    StyleSlateTextBox(txtAnleitung_, zoom());
    FillText(txtAnleitung_, zoom());

    shRahmen_ = new QFrame(this);
    shRahmen_->setFrameShape(QFrame::Box);
    shRahmen_->setFrameShadow(QFrame::Plain);
    shRahmen_->setLineWidth(Zoomed(kFrameLinePixels));
    QPalette framePalette = shRahmen_->palette();
    framePalette.setColor(QPalette::WindowText, QColor(kFrameColour));
    shRahmen_->setPalette(framePalette);
    shRahmen_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmAnleitung::showEvent(QShowEvent* event) {
    SideWindow::showEvent(event);
    Form_Activate();
    // Every showing starts in the text, also in keyboard play, where the back button takes the
    // focus as well (Tab).
    txtAnleitung_->setFocus();
}

void frmAnleitung::Form_Load() {
    shRahmen_->setGeometry(0, 0, width(), height());
    CentreOnMainWindow();
    PaintPictures();
    Place(txtAnleitung_, kText.Pixels());
    Place(picButtonZurueck_, kButton.Pixels());
    shRahmen_->raise();
    update();
}

void frmAnleitung::PaintPictures() {
    SideWindow::PaintPictures();
    // The heading becomes white wherever its mask is white, then goes onto the tiled background
    // through its mask.
    artwork::paint::MaskedPicture heading = artwork::InstructionsHeadingWithMask(pictureRatio());
    const PixelView mask = SourceViewOf(heading.mask);
    BitBlt(ViewOf(heading.picture), 0, 0, mask.width, mask.height, mask, 0, 0, RasterOp::SrcPaint);
    const QPoint at = kHeading.TopLeft();
    const PixelView window = ViewOf(background());
    BitBlt(window, at.x(), at.y(), mask.width, mask.height, mask, 0, 0, RasterOp::MergePaint);
    BitBlt(window, at.x(), at.y(), mask.width, mask.height, SourceViewOf(heading.picture), 0, 0,
           RasterOp::SrcAnd);
    using artwork::ButtonId;
    picButtonZurueck_->SetPictures(artwork::Button(ButtonId::Zurueck, false, pictureRatio()),
                                   artwork::Button(ButtonId::Zurueck, true, pictureRatio()));
}

// Every showing starts at the top of the text, with the caret before its first letter.
void frmAnleitung::Form_Activate() {
    QTextCursor cursor = txtAnleitung_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    txtAnleitung_->setTextCursor(cursor);
    txtAnleitung_->verticalScrollBar()->setValue(0);
}

}  // namespace tessora
