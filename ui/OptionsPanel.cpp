#include "ui/OptionsPanel.h"

#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>

#include "ui/GamePictures.h"
#include "ui/PictureBox.h"
#include "ui/Twips.h"

namespace tessora {

namespace {
// Option buttons and frames: light grey with black text.
constexpr QRgb kControlGrey = 0xFFC0C0C0;
constexpr int kFontPixels = 11;

// Positions in twips inside the panel and inside the frames.
constexpr TwipsPlace kAnfangFrame{150, 240, 1455, 1095};
constexpr TwipsPlace kStaerkeFrame{150, 1560, 1455, 1575};
// An option button's left edge and size; its top is its own.
constexpr TwipsPlace kOption{120, 0, 1215, 255};

QPalette ControlPalette() {
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        palette.setColor(role, QColor(kControlGrey));
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, Qt::black);
    }
    return palette;
}
}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QWidget(parent),
      background_(NewPicture(TwipsRect(0, 0, 1815, 3375).size(), 1, kControlGrey)) {
    setFixedSize(LayoutSize(background_));
    setAttribute(Qt::WA_OpaquePaintEvent);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kFontPixels);
    setFont(font);

    frAnfang_ = MakeFrame(QStringLiteral("Wer beginnt ?"), kAnfangFrame.Pixels());
    anfang_[1] = MakeOption(frAnfang_, QStringLiteral("Spieler"), 360);
    anfang_[2] = MakeOption(frAnfang_, QStringLiteral("Computer"), 720);

    frSpielstaerke_ = MakeFrame(QStringLiteral("Spielstärke :"), kStaerkeFrame.Pixels());
    staerke_[1] = MakeOption(frSpielstaerke_, QStringLiteral("Anfänger"), 360);
    staerke_[3] = MakeOption(frSpielstaerke_, QStringLiteral("Experte"), 720);
    staerke_[4] = MakeOption(frSpielstaerke_, QStringLiteral("Profi"), 1080);

    anfang_[1]->setChecked(true);
    staerke_[3]->setChecked(true);

    // Connected after the start selection, so that only the player's choices report.
    for (int index : {1, 2}) {
        connect(anfang_[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) emit optAnfangSp_Click(index);
        });
    }
    for (int index : {1, 3, 4}) {
        connect(staerke_[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) emit optStaerke_Click(index);
        });
    }
}

void OptionsPanel::TileBackground(const QImage& tile) {
    // A tile painted for another screen ratio brings a new background of that ratio.
    const double ratio = SourceViewOf(tile).scale;
    if (ViewOf(background_).scale != ratio) {
        background_ = NewPicture(size(), ratio, kControlGrey);
    }
    TileWith(background_, tile);
    update();
}

QRadioButton* OptionsPanel::optAnfangSp(int index) const {
    return anfang_.at(index);
}

QRadioButton* OptionsPanel::optStaerke(int index) const {
    return staerke_.at(index);
}

void OptionsPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicture(painter, background_, event->rect());
}

QGroupBox* OptionsPanel::MakeFrame(const QString& caption, const QRect& place) {
    auto* frame = new QGroupBox(caption, this);
    frame->setGeometry(place);
    frame->setPalette(ControlPalette());
    frame->setAutoFillBackground(true);
    return frame;
}

QRadioButton* OptionsPanel::MakeOption(QGroupBox* frame, const QString& caption, int top) {
    auto* option = new QRadioButton(caption, frame);
    option->setGeometry(TwipsRect(kOption.left, top, kOption.width, kOption.height));
    option->setPalette(ControlPalette());
    option->setAutoFillBackground(true);
    return option;
}

}  // namespace tessora
