#include "platform/qt/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <array>
#include <cmath>
#include <memory>

#include "platform/MessageBoxStyle.h"
#include "platform/qt/MessageBoxIcons.h"
#include "platform/qt/ScaledStyle.h"

namespace tessora {

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* caption;  // as a German Windows labels it; shown in the language played
    int answer;           // the Windows answer code
};

constexpr ButtonSpec kOk{QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageBox", "OK"), mb::kAnswerOk};
constexpr ButtonSpec kCancel{QMessageBox::Cancel, QT_TRANSLATE_NOOP("MessageBox", "Abbrechen"),
                             mb::kAnswerCancel};
constexpr ButtonSpec kAbort{QMessageBox::Abort, QT_TRANSLATE_NOOP("MessageBox", "Abbrechen"),
                            mb::kAnswerAbort};
constexpr ButtonSpec kRetry{QMessageBox::Retry, QT_TRANSLATE_NOOP("MessageBox", "Wiederholen"),
                            mb::kAnswerRetry};
constexpr ButtonSpec kIgnore{QMessageBox::Ignore, QT_TRANSLATE_NOOP("MessageBox", "Ignorieren"),
                             mb::kAnswerIgnore};
constexpr ButtonSpec kYes{QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBox", "Ja"), mb::kAnswerYes};
constexpr ButtonSpec kNo{QMessageBox::No, QT_TRANSLATE_NOOP("MessageBox", "Nein"), mb::kAnswerNo};
constexpr ButtonSpec kNone{QMessageBox::NoButton, "", mb::kNoAnswer};

// Buttons of each button set (mb::kOk to mb::kRetryCancel), left to right; unused slots kNone.
constexpr std::array<std::array<ButtonSpec, 3>, 6> kButtonSets{{
    {kOk, kNone, kNone},
    {kOk, kCancel, kNone},
    {kAbort, kRetry, kIgnore},
    {kYes, kNo, kCancel},
    {kYes, kNo, kNone},
    {kRetry, kCancel, kNone},
}};

// Icon of each icon style: none, then mb::kIconStop to mb::kIconInformation.
constexpr std::array<QMessageBox::Icon, 5> kIcons{
    QMessageBox::NoIcon,  QMessageBox::Critical,    QMessageBox::Question,
    QMessageBox::Warning, QMessageBox::Information,
};

// The size of the icon at the box's own size, as Windows draws it.
constexpr int kIconPixels = 32;

// A message box shown `zoom` times its own size. Qt lays a box out within widths of its own in
// pixels (wider than 1000 never), which break longer lines or cut them off; the enlarged box
// keeps the text's own lines and grows as wide as they are, each time Qt lays it out again.
class ZoomedMessageBox : public QMessageBox {
  public:
    ZoomedMessageBox(QWidget* owner, double zoom) : QMessageBox(owner), zoom_(zoom) {
        if (zoom_ == 1) return;
        style_ = std::make_unique<ScaledStyle>(zoom_);
        setStyle(style_.get());
        QFont larger = font();
        larger.setPointSizeF(larger.pointSizeF() * zoom_);
        setFont(larger);
    }
    ~ZoomedMessageBox() override {
        // The controls let go of the style before it goes.
        setStyle(nullptr);
    }

  protected:
    void showEvent(QShowEvent* event) override {
        if (zoom_ != 1) {
            // Each button as large as it would be at the box's own size, times the zoom, and the
            // text as wide as its longest line.
            for (QAbstractButton* button : buttons()) {
                QPushButton plain(button->text());
                plain.setFont(QApplication::font());
                button->setMinimumSize(plain.sizeHint() * zoom_);
            }
            if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                const QFontMetrics metrics(label->font());
                label->setMinimumWidth(metrics.boundingRect(QRect(), 0, label->text()).width() +
                                       2 * label->margin() + metrics.averageCharWidth());
            }
        }
        QMessageBox::showEvent(event);
        Widen();
    }
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest) Widen();
        return handled;
    }

  private:
    // Makes room for the whole text where Qt's own sizing left too little.
    void Widen() {
        if (zoom_ == 1 || layout() == nullptr) return;
        layout()->activate();
        const QSize needed = layout()->totalMinimumSize().expandedTo(size());
        if (needed != size()) setFixedSize(needed);
    }

    double zoom_;
    std::unique_ptr<ScaledStyle> style_;
};

QString DisplayText(std::string_view text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

}  // namespace

int ShowMessageBox(QWidget* owner, std::string_view text, std::string_view title, int style,
                   double zoom) {
    const auto buttonStyle = static_cast<std::size_t>(style & mb::kButtonBits);
    const auto iconStyle = static_cast<std::size_t>((style & mb::kIconBits) >> 4);
    const auto& buttons = kButtonSets[buttonStyle < kButtonSets.size() ? buttonStyle : 0];

    ZoomedMessageBox box(owner, zoom);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    // The icon's kind tells assistive technology what the box is; its picture is painted for
    // the box's size and screen, sharp at any zoom.
    box.setIcon(iconStyle < kIcons.size() ? kIcons[iconStyle] : QMessageBox::NoIcon);
    auto* iconLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (box.icon() != QMessageBox::NoIcon && iconLabel != nullptr) {
        const double ratio =
            owner != nullptr ? owner->devicePixelRatioF() : box.devicePixelRatioF();
        iconLabel->setPixmap(MessageBoxIcon(
            style & mb::kIconBits, static_cast<int>(std::lround(kIconPixels * zoom)), ratio));
    }

    // A default-button choice past the last button falls back to the first, as on Windows.
    std::size_t buttonCount = 0;
    while (buttonCount < buttons.size() && buttons[buttonCount].button != QMessageBox::NoButton) {
        ++buttonCount;
    }
    auto defaultIndex = static_cast<std::size_t>((style & mb::kDefaultButtonBits) >> 8);
    if (defaultIndex >= buttonCount) defaultIndex = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ButtonSpec& choice = buttons[i];
        if (choice.button == QMessageBox::NoButton) continue;
        QPushButton* button = box.addButton(choice.button);
        button->setText(QCoreApplication::translate("MessageBox", choice.caption));
        // Captions only, as on Windows.
        button->setIcon(QIcon());
        if (i == defaultIndex) box.setDefaultButton(choice.button);
    }

    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonSpec& choice : buttons) {
        if (choice.button != QMessageBox::NoButton && choice.button == pressed)
            return choice.answer;
    }
    return mb::kNoAnswer;
}

}  // namespace tessora
