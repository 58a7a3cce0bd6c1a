#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace tessora {

// Shows a modal message box (text, title, Windows style) and returns the Windows answer code.
using MessageBoxFunction =
    std::function<int(std::string_view text, std::string_view title, int style)>;

// What ReadRegistryValue gives when the key cannot be opened or the value cannot be read.
inline constexpr std::string_view kReadError = "Error";

// The title of the start-up module's own message boxes when none is given.
inline constexpr std::string_view kDefaultMessageTitle = "Tessora";

// Reads string values from the registry by their full key path, such as
// "HKEY_LOCAL_MACHINE\Config\0001\Display\Settings". Keeps the handles and buffer of its last
// read as members, so one reader serves a whole start-up.
class RegistryModule {
  public:
    // Length of the value buffer handed to the query, in bytes.
    static constexpr std::uint32_t kBufferLength = 255;

    RegistryModule(Registry& registry, MessageBoxFunction messageBox);

    // The string value valueName of the key keyPath; "Error" when the key cannot be opened or
    // the value cannot be read; empty when the path does not start with a known root key.
    std::string ReadRegistryValue(const std::string& keyPath, const std::string& valueName);

    // Splits keyPath into its root key, stored in rootHandle (0 for an unknown root name), and
    // the sub-key path, which replaces keyPath. A path that does not start with "HKEY_" or ends
    // with a backslash is reported in an "Incorrect Format:" box and leaves both untouched.
    void SplitKeyPath(std::string& keyPath, RegHandle& rootHandle);

    // The predefined root key of that name, or 0.
    static RegHandle RootKeyHandle(std::string_view name);

    // The last registry call's return code.
    long status() const { return status_; }

  private:
    Registry& registry_;
    MessageBoxFunction messageBox_;
    RegHandle rootHandle_ = 0;
    RegHandle keyHandle_ = 0;
    long status_ = 0;
    std::string valueBuffer_;
    std::uint32_t bufferLength_ = 0;
};

}  // namespace tessora
