#include "ui/about/AboutWindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/InterfaceFont.h"
#include "platform/qt/ShellExecute.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/artwork/Artwork.h"

namespace tessora {

namespace {
constexpr int kHomePage = 4;  // lblCR index of the home-page line

// The maker's contact lines, lblCR(0) to lblCR(4): name, street, town, e-mail, home page.
constexpr std::array<const char*, 5> kContactLines = {"Tessora Spielewerkstatt", "Beispielweg 7",
                                                      "12345 Musterstadt", "info@tessora.example",
                                                      "www.tessora.example"};

const char* const kFreewareNotice = QT_TRANSLATE_NOOP(
    "Windows",
    "Tessora ist Freeware: Sie dürfen das Programm kostenlos benutzen und unverändert an andere "
    "weitergeben. Die jeweils neueste Version finden Sie unter");

// The window and its controls, in twips.
constexpr int kWindowWidth = 6300;
constexpr int kWindowHeight = 5310;
constexpr int kMarginLeft = 360;
constexpr int kInnerWidth = 5580;
constexpr int kIconTop = 300;
constexpr int kTitleLeft = 1380;
constexpr int kTitleTop = 240;
constexpr int kShadowOffset = 30;
constexpr int kSeparatorTops[2] = {1020, 3390};
constexpr int kBoxTop = 1380;
constexpr int kBoxHeight = 1830;
constexpr int kLineLeft = 600;
// The maker's emblem sits in the box to the right of the contact lines, which end before it.
constexpr int kMakerLogoLeft = 4500;
constexpr int kMakerLogoTop = 1695;
constexpr int kLineWidth = kMakerLogoLeft - kLineLeft - 60;
constexpr int kLineTop = 1500;
constexpr int kLineStep = 315;
constexpr int kLineHeight = 300;
constexpr int kNoticeTop = 3510;
constexpr int kNoticeHeight = 705;  // three lines of the notice, their descenders included
constexpr int kCopyLineTop = kNoticeTop + kNoticeHeight;
constexpr int kOkLeft = 2550;
constexpr int kOkTop = 4650;
constexpr int kOkWidth = 1200;
constexpr int kOkHeight = 390;

constexpr int kIconPixels = 48;
constexpr int kMakerLogoPixels = 80;
constexpr int kTitlePixels = 34;
constexpr int kLinePixels = 13;
constexpr int kNoticePixels = 12;

constexpr QRgb kTitleColour = 0xFFF6B540;  // the warm gold of the logo
constexpr QRgb kShadowColour = 0xFF05070C;
constexpr QRgb kTextColour = 0xFFDCE2EC;
constexpr QRgb kLinkColour = 0xFF9CC4FF;
constexpr QRgb kSeparatorColour = 0xFF66758F;

// The style sheets' lengths are layout pixels, filled in at the zoom: %1 a border's width, %2 a
// corner's radius.
const char* const kBoxStyle =
    "QFrame { background-color: rgba(12, 17, 29, 190); border: %1px solid #66758F;"
    " border-radius: %2px; }";
// Blue and bold like the game's drawn buttons.
const char* const kButtonStyle =
    "QPushButton { color: #FFFFFF; font-weight: bold; border: %1px solid #0B1A55;"
    " border-radius: %2px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5F86F0, stop:0.5 #2F58D8,"
    " stop:1 #1C3BA8); }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #719AFA,"
    " stop:0.5 #3A66E6, stop:1 #2345B8); }"
    "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1C3BA8,"
    " stop:1 #2F58D8); }"
    "QPushButton:focus { border: %1px solid #C9D4E6; }";
constexpr int kBorderPixels = 1;
constexpr int kCornerPixels = 4;
// The home page's underline lies this far above the bottom of its line.
constexpr int kUnderlineRise = 3;

void SetTextColour(QWidget* widget, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(palette);
}

QFrame* MakeLine(QWidget* parent, QRgb colour) {
    auto* line = new QFrame(parent);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    line->setPalette(palette);
    return line;
}
}  // namespace

frmCopyright::frmCopyright(PlaySoundFunction playSound, QWidget* mainWindow,
                           ShellOpener openAddress, double zoom)
    : SideWindow(QCoreApplication::translate("Windows", "Info"), kWindowWidth, kWindowHeight, zoom,
                 std::move(playSound), mainWindow),
      openAddress_(openAddress ? std::move(openAddress) : ShellOpener(&ShellExecute)) {
    BuildControls();
}

void frmCopyright::BuildControls() {
    picInfo_ = new QLabel(this);
    Place(picInfo_,
          QRect(PixelsFromTwips(kMarginLeft), PixelsFromTwips(kIconTop), kIconPixels, kIconPixels));

    const QRect title = TwipsRect(kTitleLeft, kTitleTop, kWindowWidth - kTitleLeft, 720);
    lblInfoTitel3_ = new QLabel(this);
    Place(lblInfoTitel3_,
          title.translated(PixelsFromTwips(kShadowOffset), PixelsFromTwips(kShadowOffset)));
    lblInfoTitel0_ = new QLabel(this);
    Place(lblInfoTitel0_, title);
    for (QLabel* label : {lblInfoTitel0_, lblInfoTitel3_}) {
        label->setFont(InterfaceFont(Zoomed(kTitlePixels), true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    SetTextColour(lblInfoTitel0_, kTitleColour);
    SetTextColour(lblInfoTitel3_, kShadowColour);

    for (int i = 0; i < 2; ++i) {
        linTrennlinie_[i] = MakeLine(this, kSeparatorColour);
        Place(linTrennlinie_[i], TwipsRect(kMarginLeft, kSeparatorTops[i], kInnerWidth, 15));
    }

    picCRKasten_ = new QFrame(this);
    Place(picCRKasten_, TwipsRect(kMarginLeft, kBoxTop, kInnerWidth, kBoxHeight));
    picCRKasten_->setStyleSheet(ZoomedStyle(kBoxStyle));

    picZXLogo_ = new QLabel(this);
    Place(picZXLogo_, QRect(TwipsRect(kMakerLogoLeft, kMakerLogoTop, 0, 0).topLeft(),
                            QSize(kMakerLogoPixels, kMakerLogoPixels)));

    for (int i = 0; i < kHomePage + 1; ++i) {
        lblCR_[i] = new QLabel(this);
        Place(lblCR_[i], TwipsRect(kLineLeft, kLineTop + i * kLineStep, kLineWidth, kLineHeight));
        lblCR_[i]->setFont(InterfaceFont(Zoomed(kLinePixels), i == 0));
        SetTextColour(lblCR_[i], i >= 3 ? kLinkColour : kTextColour);
        lblCR_[i]->installEventFilter(this);
    }
    lblCR_[kHomePage]->setCursor(Qt::PointingHandCursor);
    linWWWLinie_ = MakeLine(this, kLinkColour);

    lblFreeware_ = new QLabel(QCoreApplication::translate("Windows", kFreewareNotice), this);
    Place(lblFreeware_, TwipsRect(kMarginLeft, kNoticeTop, kInnerWidth, kNoticeHeight));
    lblFreeware_->setFont(InterfaceFont(Zoomed(kNoticePixels)));
    lblFreeware_->setWordWrap(true);
    lblFreeware_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(lblFreeware_, kTextColour);
    // Should the font take more room than planned, the label grows rather than cut letters off.
    lblFreeware_->setFixedHeight(
        std::max(lblFreeware_->height(), lblFreeware_->heightForWidth(lblFreeware_->width())));

    // The home page once more, right below the notice that points to it.
    lblCR_[5] = new QLabel(this);
    Place(lblCR_[5], TwipsRect(kMarginLeft, kCopyLineTop, kInnerWidth, kLineHeight));
    lblCR_[5]->move(lblCR_[5]->x(), lblFreeware_->geometry().bottom() + 1);
    lblCR_[5]->setFont(InterfaceFont(Zoomed(kNoticePixels), true));
    lblCR_[5]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SetTextColour(lblCR_[5], kTextColour);
    lblCR_[5]->installEventFilter(this);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    Place(cmdOK_, TwipsRect(kOkLeft, kOkTop, kOkWidth, kOkHeight));
    cmdOK_->setFont(InterfaceFont(Zoomed(kLinePixels)));
    cmdOK_->setStyleSheet(ZoomedStyle(kButtonStyle));
    cmdOK_->setDefault(true);
    cmdOK_->setAutoDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmCopyright::ReturnWithClick);
}

QString frmCopyright::ZoomedStyle(const char* style) const {
    return QString::fromLatin1(style).arg(Zoomed(kBorderPixels)).arg(Zoomed(kCornerPixels));
}

void frmCopyright::Form_Load() {
    PaintPictures();

    lblInfoTitel0_->setText(QStringLiteral("Tessora"));
    lblInfoTitel3_->setText(lblInfoTitel0_->text());

    for (int i = 0; i < kHomePage + 1; ++i) {
        lblCR_[i]->setText(QString::fromUtf8(kContactLines[i]));
    }
    lblCR_[5]->setText(lblCR_[kHomePage]->text());

    // Underline the home-page line along its text.
    const QLabel* homePage = lblCR_[kHomePage];
    const QFontMetrics metrics(homePage->font());
    linWWWLinie_->setGeometry(homePage->x(),
                              homePage->y() + homePage->height() - Zoomed(kUnderlineRise),
                              metrics.horizontalAdvance(homePage->text()), Zoomed(1));
}

void frmCopyright::PaintPictures() {
    SideWindow::PaintPictures();
    // Painted at the screen's ratio times the zoom, the pictures fill their enlarged labels at
    // the screen's own ratio.
    const double ratio = pictureRatio();
    const double shownRatio = ratio / zoom();
    QImage icon = artwork::AppIcon(DeviceLength(kIconPixels, ratio));
    icon.setDevicePixelRatio(shownRatio);
    picInfo_->setPixmap(QPixmap::fromImage(icon));
    QImage makerLogo = artwork::MakerLogo(ratio);
    makerLogo.setDevicePixelRatio(shownRatio);
    picZXLogo_->setPixmap(QPixmap::fromImage(makerLogo));
}

bool frmCopyright::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < static_cast<int>(lblCR_.size()); ++i) {
            if (watched != lblCR_[i] || mouse->button() != Qt::LeftButton) continue;
            if (lblCR_[i]->rect().contains(mouse->position().toPoint())) lblCR_Click(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCopyright::lblCR_Click(int index) {
    if (index != kHomePage) return;
    QLabel* homePage = lblCR_[kHomePage];
    setCursor(Qt::BusyCursor);
    homePage->setCursor(Qt::BusyCursor);
    // A missing browser or a failure to start it is not the player's concern: the result is
    // not looked at.
    const QByteArray address = "http://" + homePage->text().toUtf8();
    openAddress_(this, "Open", address.toStdString(), "", "", shell::kShowNormal);
    homePage->setCursor(Qt::PointingHandCursor);
    unsetCursor();
}

void frmCopyright::showEvent(QShowEvent* event) {
    cmdOK_->setFocus();
    SideWindow::showEvent(event);
}

}  // namespace tessora
