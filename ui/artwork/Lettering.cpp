#include "ui/artwork/Lettering.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

#include "ui/artwork/Artwork.h"

namespace tessora::artwork {

namespace {
// The headings' words in German, marked for the translation tools in the context "Headings".
const char* const kInstructionsHeading = QT_TRANSLATE_NOOP("Headings", "Anleitung");
const char* const kExplanationHeading = QT_TRANSLATE_NOOP("Headings", "Erklärung");

constexpr double kOutline = 2.6;  // width of the dark outline around the letters
constexpr int kFontSize = 100;    // the outline is built large, then scaled to fit

// The letters' outline scaled and moved so that letters, outline and extruded side fill the box.
QPainterPath FittedText(const QString& text, int width, int height, int depth) {
    QPainterPath path;
    path.addText(0, 0, paint::ArtFont(kFontSize, true), text);
    const QRectF bounds = path.boundingRect();
    const double room = kOutline + 1.0;
    const double scaleX = (width - 2 * room - depth * 0.75) / bounds.width();
    const double scaleY = (height - 2 * room - depth) / bounds.height();
    const double scale = std::min(scaleX, scaleY);
    const double usedWidth = bounds.width() * scale + depth * 0.75;
    QTransform fit;
    fit.translate((width - usedWidth) / 2.0, room);
    fit.scale(scale, scale);
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}
}  // namespace

paint::MaskedPicture PaintLettering(const QString& text, int width, int height, int depth,
                                    double ratio) {
    const QPainterPath letters = FittedText(text, width, height, depth);
    const QRectF box = letters.boundingRect();

    QImage layer(DeviceLength(width, ratio), DeviceLength(height, ratio),
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);

    // Extruded side, from the back to the front, darkening with depth.
    p.setPen(QPen(QColor(40, 12, 4), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int step = depth; step >= 1; --step) {
        const double shade = 1.0 - static_cast<double>(step) / (depth + 1);
        p.setBrush(QColor::fromRgbF(0.45 * shade + 0.15, 0.16 * shade + 0.04, 0.05));
        p.drawPath(letters.translated(step * 0.75, step));
    }

    // Front face: gold running from pale at the top to deep orange at the bottom.
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.35, QColor(255, 214, 60));
    gold.setColorAt(0.7, QColor(240, 150, 10));
    gold.setColorAt(1.0, QColor(200, 90, 0));
    p.setPen(QPen(QColor(45, 14, 2), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(letters);

    // A glossy band over the upper half of the letters.
    p.setClipPath(letters);
    QLinearGradient gloss(0, box.top(), 0, box.center().y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.46), gloss);
    p.end();

    return paint::SplitLayer(layer, paint::kBackdrop);
}

// The game's name in big gold letters for the top of the play area, and the heading of the
// instructions window in the same lettering.
paint::MaskedPicture LogoWithMask(double ratio) {
    return PaintLettering(QStringLiteral("Tessora"), 273, 66, 6, ratio);
}

paint::MaskedPicture InstructionsHeadingWithMask(double ratio) {
    return PaintLettering(QCoreApplication::translate("Headings", kInstructionsHeading), 300, 50, 4,
                          ratio);
}

paint::MaskedPicture ExplanationHeadingWithMask(double ratio) {
    return PaintLettering(QCoreApplication::translate("Headings", kExplanationHeading), 240, 44, 4,
                          ratio);
}

}  // namespace tessora::artwork
