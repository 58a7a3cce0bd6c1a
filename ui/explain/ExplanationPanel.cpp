#include "ui/explain/ExplanationPanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTextEdit>

#include "platform/BitBlt.h"
#include "platform/qt/InterfaceFont.h"
#include "ui/GamePictures.h"
#include "ui/Pictures.h"
#include "ui/PlayArea.h"
#include "ui/SlateTextBox.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"
#include "ui/explain/BoardMiniature.h"

namespace tessora {

namespace {
// The panel's parts, in layout pixels.
constexpr QSize kPanel{kExplanationPanelWidth, 480};
constexpr QPoint kHeading{20, 8};
constexpr QRect kHeadline{14, 58, 252, 36};
constexpr QRect kText{14, 96, 252, 196};
constexpr QPoint kMiniature{22, 302};
constexpr QRect kTipp{85, 444, 110, 27};

constexpr int kHeadlinePixels = 13;
constexpr int kTextPixels = 11;
constexpr QRgb kHeadlineColour = 0xFFFFF4C8;

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// The explanation below its headline: why, the contributions to the best cell with their
// points, the columns ruled out, and where chance decided, one paragraph each.
QString BodyHtml(const Explanation& explanation) {
    QString html = QStringLiteral("<p>%1</p>").arg(Escaped(explanation.text));
    if (explanation.reasonCount > 0) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
        for (int i = 0; i < explanation.reasonCount; ++i) {
            const Explanation::Reason& reason = explanation.reasons[i];
            html += QStringLiteral("<tr><td align=\"right\"><b>+%1</b>&nbsp;</td><td>%2</td></tr>")
                        .arg(reason.points)
                        .arg(Escaped(reason.text));
        }
        html += QStringLiteral("</table>");
    }
    for (int i = 0; i < explanation.avoidedCount; ++i)
        html += QStringLiteral("<p>%1</p>").arg(Escaped(explanation.avoided[i].text));
    if (!explanation.chance.empty()) {
        html += QStringLiteral("<p><i>%1</i></p>").arg(Escaped(explanation.chance));
    }
    return html;
}
}  // namespace

ExplanationPanel::ExplanationPanel(ButtonPressedFlag& buttonPressed, QWidget* parent)
    : QWidget(parent),
      headline_(new QLabel(this)),
      text_(new QTextEdit(this)),
      miniature_(new BoardMiniature(this)),
      tipp_(new DrawnButton(QImage(), QImage(), buttonPressed, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("Explanation panel", "Erklärung"));
    headline_->setWordWrap(true);
    headline_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette light = headline_->palette();
    light.setColor(QPalette::WindowText, QColor(kHeadlineColour));
    headline_->setPalette(light);
    text_->setAccessibleName(QCoreApplication::translate("Explanation panel", "Erklärung"));
    text_->setFocusPolicy(Qt::NoFocus);
    tipp_->setAccessibleName(artwork::ButtonCaption(artwork::ButtonId::Tipp));
    connect(tipp_, &DrawnButton::clicked, this, &ExplanationPanel::hintRequested);
    SetLayoutScale(1);
    Show(Explanation{}, {});
}

void ExplanationPanel::SetLayoutScale(double scale) {
    scale_ = scale;
    setFixedSize(Scaled(QRect(QPoint(), kPanel), scale).size());
    PlaceScaled(headline_, kHeadline, scale);
    headline_->setFont(InterfaceFont(ScaledPixels(kHeadlinePixels, scale), true));
    PlaceScaled(text_, kText, scale);
    text_->setFont(InterfaceFont(ScaledPixels(kTextPixels, scale)));
    StyleSlateTextBox(text_, scale);
    PlaceScaled(miniature_, QRect(kMiniature, BoardMiniature::kSize), scale);
    miniature_->SetLayoutScale(scale);
    PlaceScaled(tipp_, kTipp, scale);
}

void ExplanationPanel::SetPictures(double ratio, const QImage& tile) {
    // The tiles go on from the play area's, the heading over them through its mask.
    background_ = NewPicture(kPanel, ratio, kPlayAreaGrey);
    TileWith(background_, tile);
    artwork::paint::MaskedPicture heading = artwork::ExplanationHeadingWithMask(ratio);
    const PixelView mask = SourceViewOf(heading.mask);
    BitBlt(ViewOf(heading.picture), 0, 0, mask.width, mask.height, mask, 0, 0, RasterOp::SrcPaint);
    const PixelView panel = ViewOf(background_);
    BitBlt(panel, kHeading.x(), kHeading.y(), mask.width, mask.height, mask, 0, 0,
           RasterOp::MergePaint);
    BitBlt(panel, kHeading.x(), kHeading.y(), mask.width, mask.height,
           SourceViewOf(heading.picture), 0, 0, RasterOp::SrcAnd);
    tipp_->SetPictures(artwork::Button(artwork::ButtonId::Tipp, false, ratio),
                       artwork::Button(artwork::ButtonId::Tipp, true, ratio));
    update();
}

void ExplanationPanel::Show(const Explanation& explanation,
                            const std::array<int16, kCellCount>& cells) {
    if (explanation.column == 0) {
        headline_->setText(QCoreApplication::translate(
            "Explanation panel", "Hier erklärt der Computer jeden seiner Züge."));
        text_->setHtml(QStringLiteral("<p>%1</p>")
                           .arg(QCoreApplication::translate(
                                    "Explanation panel",
                                    "Mit „Tipp“ zeigt er Ihnen, welche Spalte er an Ihrer "
                                    "Stelle spielen würde.")
                                    .toHtmlEscaped()));
    } else {
        headline_->setText(QString::fromStdString(explanation.headline));
        text_->setHtml(BodyHtml(explanation));
    }
    miniature_->Show(explanation, cells);
}

void ExplanationPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (background_.isNull()) {
        painter.fillRect(event->rect(), QColor(kPlayAreaGrey));
        return;
    }
    DrawPicture(painter, background_, event->rect());
}

}  // namespace tessora
