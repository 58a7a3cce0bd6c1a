#include "app/Startup.h"

#include <array>

#include "core/Translatable.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/Translated.h"

namespace tessora {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::array<std::string_view, 4> kCustomFontLines{
    QT_TRANSLATE_NOOP("Startup", "Sie haben eine benutzerdefinierte Schriftgröße unter"),
    QT_TRANSLATE_NOOP("Startup", "Windows eingestellt."),
    QT_TRANSLATE_NOOP("Startup", "Tessora kann allerdings nur mit eingestellter normaler"),
    QT_TRANSLATE_NOOP("Startup", "Schriftgröße gestartet werden."),
};

constexpr std::array<std::string_view, 4> kWindows95Hint{
    QT_TRANSLATE_NOOP("Startup", "Unter Windows 95 können Sie die Schriftgröße"),
    QT_TRANSLATE_NOOP("Startup", "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'"),
    QT_TRANSLATE_NOOP("Startup", "doppelklicken und unter der Lasche Einstellungen den"),
    QT_TRANSLATE_NOOP("Startup", "Schriftgrad 'Kleine Schriftarten' auswählen."),
};

constexpr std::array<std::string_view, 6> kWindows98Hint{
    QT_TRANSLATE_NOOP("Startup", "Unter Windows 98 können Sie die Schriftgröße"),
    QT_TRANSLATE_NOOP("Startup", "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'"),
    QT_TRANSLATE_NOOP("Startup", "doppelklicken, unter der Lasche 'Einstellungen' den"),
    QT_TRANSLATE_NOOP("Startup", "Knopf 'Weitere Optionen' wählen und dort unter der Lasche"),
    QT_TRANSLATE_NOOP("Startup", "'Allgemein' die Schriftgröße in 'Kleine Schriftarten'"),
    QT_TRANSLATE_NOOP("Startup", "ändern."),
};

// Windows 98 is version 4.10 of the Windows 95 family; 4.0 to 4.9 are Windows 95.
constexpr std::uint32_t kWindows98Minor = 10;

template <std::size_t N>
void AppendLines(std::string& text, const std::array<std::string_view, N>& lines) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) text += kCrLf;
        text += lines[i];
    }
}

}  // namespace

std::string FontSizeMessage(const OsVersionInfo& version) {
    std::string message;
    AppendLines(message, kCustomFontLines);
    if (version.dwPlatformId != ver::kPlatformWindows || version.dwMajorVersion != 4) {
        return message;
    }
    message += kCrLf;
    message += kCrLf;
    if (version.dwMinorVersion < kWindows98Minor) {
        AppendLines(message, kWindows95Hint);
    } else {
        AppendLines(message, kWindows98Hint);
    }
    return message;
}

bool IsCustomFontSize(const std::string& logicalX, const std::string& logicalY) {
    if (logicalX == kReadError || logicalY == kReadError) return false;
    return logicalX != kNormalLogicalDpi || logicalY != kNormalLogicalDpi;
}

bool HauptmodulMain(Registry& registry, VersionQuery& versionQuery,
                    const MessageBoxFunction& messageBox,
                    const std::function<void()>& showMainWindow) {
    RegistryModule reader(registry, messageBox);
    const std::string key(kDisplaySettingsKey);
    const std::string logicalX = reader.ReadRegistryValue(key, "DPILogicalX");
    const std::string logicalY = reader.ReadRegistryValue(key, "DPILogicalY");

    if (IsCustomFontSize(logicalX, logicalY)) {
        // A failed query leaves the record empty, which names no Windows 95 version: no hint.
        OsVersionInfo version;
        version.dwOSVersionInfoSize = ver::kVersionInfoSize;
        versionQuery.GetVersionEx(version);
        messageBox(FontSizeMessage(version), kFontSizeErrorTitle, kFontSizeErrorStyle);
        return false;
    }
    showMainWindow();
    return true;
}

MessageBoxFunction StartupMessageBox(double zoom) {
    return [zoom](std::string_view text, std::string_view title, int style) {
        // The message is made of the start-up's lines, each translated on its own.
        QStringList lines;
        for (const QString& line : QString::fromUtf8(text.data(), qsizetype(text.size()))
                                       .split(QString::fromLatin1(kCrLf.data(), 2))) {
            lines << Translated("Startup", line.toStdString());
        }
        return ShowMessageBox(nullptr, lines.join(QStringLiteral("\r\n")).toStdString(),
                              Translated("Startup", title).toStdString(), style, zoom);
    };
}

}  // namespace tessora
