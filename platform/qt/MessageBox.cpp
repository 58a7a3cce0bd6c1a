#include "platform/qt/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <array>

namespace tessora {

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* caption;  // as a German Windows labels it
    int answer;           // the Windows answer code
};

constexpr ButtonSpec kOk{QMessageBox::Ok, "OK", 1};
constexpr ButtonSpec kCancel{QMessageBox::Cancel, "Abbrechen", 2};
constexpr ButtonSpec kAbort{QMessageBox::Abort, "Abbrechen", 3};
constexpr ButtonSpec kRetry{QMessageBox::Retry, "Wiederholen", 4};
constexpr ButtonSpec kIgnore{QMessageBox::Ignore, "Ignorieren", 5};
constexpr ButtonSpec kYes{QMessageBox::Yes, "Ja", 6};
constexpr ButtonSpec kNo{QMessageBox::No, "Nein", 7};
constexpr ButtonSpec kNone{QMessageBox::NoButton, "", 0};

// Buttons of each button style (the style's low four bits), left to right; unused slots kNone.
constexpr std::array<std::array<ButtonSpec, 3>, 6> kButtonSets{{
    {kOk, kNone, kNone},        // 0 MB_OK
    {kOk, kCancel, kNone},      // 1 MB_OKCANCEL
    {kAbort, kRetry, kIgnore},  // 2 MB_ABORTRETRYIGNORE
    {kYes, kNo, kCancel},       // 3 MB_YESNOCANCEL
    {kYes, kNo, kNone},         // 4 MB_YESNO
    {kRetry, kCancel, kNone},   // 5 MB_RETRYCANCEL
}};

// Icon of each icon style (the style's bits 4 to 7).
constexpr std::array<QMessageBox::Icon, 5> kIcons{
    QMessageBox::NoIcon,       // 0x00
    QMessageBox::Critical,     // 0x10 MB_ICONHAND
    QMessageBox::Question,     // 0x20 MB_ICONQUESTION
    QMessageBox::Warning,      // 0x30 MB_ICONEXCLAMATION
    QMessageBox::Information,  // 0x40 MB_ICONASTERISK
};

QString DisplayText(std::string_view text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

}  // namespace

int ShowMessageBox(QWidget* owner, std::string_view text, std::string_view title, int style) {
    const auto buttonStyle = static_cast<std::size_t>(style & 0x0F);
    const auto iconStyle = static_cast<std::size_t>((style & 0xF0) >> 4);
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
    auto defaultIndex = static_cast<std::size_t>((style & 0xF00) >> 8);
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
    return 0;
}

}  // namespace tessora
