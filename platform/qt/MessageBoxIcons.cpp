#include "platform/qt/MessageBoxIcons.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "platform/qt/InterfaceFont.h"

namespace tessora {

namespace {

// Each icon is drawn on a square of this many units.
constexpr double kUnits = 32;

// The badges' colours, and the dark of their edges and of the exclamation mark.
enum IconColour : QRgb {
    kStopRed = 0xFFD23A2E,
    kQuestionBlue = 0xFF2F62C8,
    kWarningYellow = 0xFFF5C21B,
    kEdgeDark = 0xFF3A3A3A
};

// A round badge with a light rim, as the question, stop and information icons have.
void Disc(QPainter& painter, QRgb colour) {
    painter.setPen(QPen(QColor(kEdgeDark), 1.2));
    QRadialGradient shade(QPointF(12, 10), 22);
    shade.setColorAt(0, QColor(colour).lighter(140));
    shade.setColorAt(1, QColor(colour));
    painter.setBrush(shade);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
}

void Letter(QPainter& painter, const QString& letter, QColor colour) {
    constexpr int kLetterPixels = 21;
    painter.setFont(InterfaceFont(kLetterPixels, true));
    painter.setPen(colour);
    painter.drawText(QRectF(0, 1, kUnits, kUnits), Qt::AlignCenter, letter);
}

void Stop(QPainter& painter) {
    Disc(painter, kStopRed);
    painter.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(11, 11), QPointF(21, 21));
    painter.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void Warning(QPainter& painter) {
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30, 28.5);
    triangle.lineTo(2, 28.5);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(kEdgeDark), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(kWarningYellow));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kEdgeDark));
    painter.drawRoundedRect(QRectF(14.4, 10, 3.2, 11), 1.6, 1.6);
    painter.drawEllipse(QRectF(14.2, 22.6, 3.6, 3.6));
}

}  // namespace

QPixmap MessageBoxIcon(int iconStyle, int size, double ratio) {
    const int icon = iconStyle & mb::kIconBits;
    if (icon == 0 || icon > mb::kIconInformation) return QPixmap();
    const int pixels = static_cast<int>(std::lround(size * ratio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(pixels / kUnits, pixels / kUnits);
        switch (icon) {
            case mb::kIconStop:
                Stop(painter);
                break;
            case mb::kIconQuestion:
                Disc(painter, kQuestionBlue);
                Letter(painter, QStringLiteral("?"), Qt::white);
                break;
            case mb::kIconExclamation:
                Warning(painter);
                break;
            default:
                Disc(painter, kQuestionBlue);
                Letter(painter, QStringLiteral("i"), Qt::white);
                break;
        }
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

}  // namespace tessora
