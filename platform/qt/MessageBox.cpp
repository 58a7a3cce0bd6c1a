#include "platform/qt/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <array>

#include "platform/MessageBoxStyle.h"

namespace tessora {

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* caption;  // as a German Windows labels it
    int answer;           // the Windows answer code
};

constexpr ButtonSpec kOk{QMessageBox::Ok, "OK", mb::kAnswerOk};
constexpr ButtonSpec kCancel{QMessageBox::Cancel, "Abbrechen", mb::kAnswerCancel};
constexpr ButtonSpec kAbort{QMessageBox::Abort, "Abbrechen", mb::kAnswerAbort};
constexpr ButtonSpec kRetry{QMessageBox::Retry, "Wiederholen", mb::kAnswerRetry};
constexpr ButtonSpec kIgnore{QMessageBox::Ignore, "Ignorieren", mb::kAnswerIgnore};
constexpr ButtonSpec kYes{QMessageBox::Yes, "Ja", mb::kAnswerYes};
constexpr ButtonSpec kNo{QMessageBox::No, "Nein", mb::kAnswerNo};
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

QString DisplayText(std::string_view text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

}  // namespace

int ShowMessageBox(QWidget* owner, std::string_view text, std::string_view title, int style) {
    const auto buttonStyle = static_cast<std::size_t>(style & mb::kButtonBits);
    const auto iconStyle = static_cast<std::size_t>((style & mb::kIconBits) >> 4);
    const auto& buttons = kButtonSets[buttonStyle < kButtonSets.size() ? buttonStyle : 0];

    QMessageBox box(owner);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.setIcon(iconStyle < kIcons.size() ? kIcons[iconStyle] : QMessageBox::NoIcon);

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
        button->setText(QString::fromUtf8(choice.caption));
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
