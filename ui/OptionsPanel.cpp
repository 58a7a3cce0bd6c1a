#include "ui/OptionsPanel.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <cmath>

#include "core/GameState.h"
#include "platform/qt/InterfaceFont.h"
#include "ui/GamePictures.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/ZoomedControls.h"

namespace tessora {

namespace {
// Option buttons and frames: light grey with black text.
constexpr QRgb kControlGrey = 0xFFC0C0C0;
constexpr int kFontPixels = 11;

// Positions in twips inside the panel and inside the frames.
constexpr TwipsPlace kPanel{0, 0, OptionsPanel::kWidthTwips, OptionsPanel::kHeightTwips};
constexpr TwipsPlace kAnfangFrame{150, 240, 1455, 1095};
constexpr TwipsPlace kStaerkeFrame{150, 1560, 1455, 1575};
// An option button's left edge and size; its top is its own.
constexpr TwipsPlace kOption{120, 0, 1215, 255};
constexpr int kOptionTops[] = {360, 720, 1080};

// Only the selected option of a group is a stop of Tab; the arrow keys move within the group.
void TakeTabWhenSelected(QRadioButton* option) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

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
    : QWidget(parent), background_(NewPicture(kPanel.Pixels().size(), 1, kControlGrey)) {
    setAttribute(Qt::WA_OpaquePaintEvent);

    frAnfang_ = MakeFrame(QCoreApplication::translate("Options", "Wer beginnt ?"));
    anfang_[1] = MakeOption(frAnfang_, QCoreApplication::translate("Options", "Spieler"));
    anfang_[2] = MakeOption(frAnfang_, QCoreApplication::translate("Options", "Computer"));

    frSpielstaerke_ = MakeFrame(QCoreApplication::translate("Options", "Spielstärke :"));
    staerke_[kStrengthBeginner] =
        MakeOption(frSpielstaerke_, QCoreApplication::translate("Options", "Anfänger"));
    staerke_[kStrengthExpert] =
        MakeOption(frSpielstaerke_, QCoreApplication::translate("Options", "Experte"));
    staerke_[kStrengthProfessional] =
        MakeOption(frSpielstaerke_, QCoreApplication::translate("Options", "Profi"));
    SetLayoutScale(1);

    anfang_[1]->setChecked(true);
    staerke_[kDefaultStrength]->setChecked(true);

    // Tab goes into each group at its selected option, as on Windows.
    for (QRadioButton* option : {anfang_[1], anfang_[2], staerke_[kStrengthBeginner],
                                 staerke_[kStrengthExpert], staerke_[kStrengthProfessional]}) {
        TakeTabWhenSelected(option);
        connect(option, &QRadioButton::toggled, this, [option] { TakeTabWhenSelected(option); });
    }
    // Connected after the start selection, so that only the player's choices report.
    for (int index : {1, 2}) {
        connect(anfang_[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) emit optAnfangSp_Click(index);
        });
    }
    for (const int index : kOfferedStrengths) {
        connect(staerke_[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) emit optStaerke_Click(index);
        });
    }
}

OptionsPanel::~OptionsPanel() = default;

void OptionsPanel::TileBackground(const QImage& tile) {
    // A tile painted for another screen ratio brings a new background of that ratio.
    const double ratio = SourceViewOf(tile).scale;
    if (ViewOf(background_).scale != ratio) {
        background_ = NewPicture(kPanel.Pixels().size(), ratio, kControlGrey);
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

void OptionsPanel::SetLayoutScale(double scale) {
    setFixedSize(Scaled(kPanel.Pixels(), scale).size());
    // The lettering stays at its layout size: the controls draw it enlarged with the rest.
    setFont(InterfaceFont(kFontPixels));

    const std::pair<ZoomedFrame*, const TwipsPlace*> frames[] = {{frAnfang_, &kAnfangFrame},
                                                                 {frSpielstaerke_, &kStaerkeFrame}};
    for (const auto& [frame, layout] : frames) {
        PlaceScaled(frame, layout->Pixels(), scale);
        frame->SetZoom(scale, layout->Pixels().size());
    }
    const std::pair<ZoomedOption*, int> options[] = {
        {anfang_[1], kOptionTops[0]},
        {anfang_[2], kOptionTops[1]},
        {staerke_[kStrengthBeginner], kOptionTops[0]},
        {staerke_[kStrengthExpert], kOptionTops[1]},
        {staerke_[kStrengthProfessional], kOptionTops[2]}};
    for (const auto& [option, top] : options) {
        const QRect layout = TwipsRect(kOption.left, top, kOption.width, kOption.height);
        PlaceScaled(option, layout, scale);
        option->SetZoom(scale, layout.size());
    }
}

ZoomedFrame* OptionsPanel::MakeFrame(const QString& caption) {
    auto* frame = new ZoomedFrame(caption, this);
    frame->setPalette(ControlPalette());
    frame->setAutoFillBackground(true);
    return frame;
}

ZoomedOption* OptionsPanel::MakeOption(ZoomedFrame* frame, const QString& caption) {
    auto* option = new ZoomedOption(caption, frame);
    option->setPalette(ControlPalette());
    option->setAutoFillBackground(true);
    return option;
}

}  // namespace tessora
