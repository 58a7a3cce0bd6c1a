#pragma once

#include <functional>
#include <string>

#include "app/RegistryModule.h"
#include "core/Translatable.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Registry.h"
#include "platform/Version.h"

namespace tessora {

// Where the display's logical resolution is kept, and the resolution the windows are laid out for.
inline constexpr std::string_view kDisplaySettingsKey =
    "HKEY_LOCAL_MACHINE\\Config\\0001\\Display\\Settings";
inline constexpr std::string_view kNormalLogicalDpi = "96";
inline constexpr std::string_view kFontSizeErrorTitle =
    QT_TRANSLATE_NOOP("Startup", "Fehler (Falscher Schriftgrad) :");
inline constexpr int kFontSizeErrorStyle = mb::kOkCritical;

// The start-up check's explanation for a custom font size, with the hint for the Windows 95
// family when version names one (lines separated by CR LF).
std::string FontSizeMessage(const OsVersionInfo& version);

// True when both resolutions were read and at least one is not the normal one.
bool IsCustomFontSize(const std::string& logicalX, const std::string& logicalY);

// The program's entry procedure. Reads the display's logical resolution through the registry;
// with a custom font size it explains in a message box how to switch back and returns false:
// the program must end at once without creating a window. Otherwise it calls showMainWindow
// (which creates the main window if needed and shows it) and returns true: the program goes on
// in the main window's event loop.
bool HauptmodulMain(Registry& registry, VersionQuery& versionQuery,
                    const MessageBoxFunction& messageBox,
                    const std::function<void()>& showMainWindow);

// Message boxes with no owner window, for the start-up before any window exists, enlarged by the
// game's zoom.
MessageBoxFunction StartupMessageBox(double zoom = 1);

}  // namespace tessora
