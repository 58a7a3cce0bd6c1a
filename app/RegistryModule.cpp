#include "app/RegistryModule.h"

#include <array>
#include <utility>

#include "platform/MessageBoxStyle.h"

namespace tessora {

namespace {

struct RootKey {
    std::string_view name;
    RegHandle handle;
};

// The predefined root keys by name.
constexpr std::array<RootKey, 7> kRootKeys{{
    {"HKEY_CLASSES_ROOT", 0x80000000u},
    {"HKEY_CURRENT_USER", 0x80000001u},
    {"HKEY_LOCAL_MACHINE", 0x80000002u},
    {"HKEY_USERS", 0x80000003u},
    {"HKEY_PERFORMANCE_DATA", 0x80000004u},
    {"HKEY_CURRENT_CONFIG", 0x80000005u},
    {"HKEY_DYN_DATA", 0x80000006u},
}};

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

RegistryModule::RegistryModule(Registry& registry, MessageBoxFunction messageBox)
    : registry_(registry), messageBox_(std::move(messageBox)) {}

RegHandle RegistryModule::RootKeyHandle(std::string_view name) {
    for (const RootKey& root : kRootKeys) {
        if (root.name == name) return root.handle;
    }
    return 0;
}

void RegistryModule::SplitKeyPath(std::string& keyPath, RegHandle& rootHandle) {
    const auto backslash = keyPath.find('\\');
    if (!keyPath.starts_with("HKEY_") || keyPath.ends_with('\\')) {
        messageBox_("Incorrect Format:\n\n" + keyPath, kDefaultMessageTitle, mb::kOk);
        return;
    }
    if (backslash != std::string::npos) {
        rootHandle = RootKeyHandle(std::string_view(keyPath).substr(0, backslash));
        keyPath = keyPath.substr(backslash + 1);
    } else {
        rootHandle = RootKeyHandle(keyPath);
        keyPath.clear();
    }
}

std::string RegistryModule::ReadRegistryValue(const std::string& keyPath,
                                              const std::string& valueName) {
    // A malformed path leaves the root untouched, so start from none: a root left over from an
    // earlier read must not be opened with this call's path.
    rootHandle_ = 0;
    std::string subKey = keyPath;
    SplitKeyPath(subKey, rootHandle_);
    if (rootHandle_ == 0) return std::string();

    keyHandle_ = 0;
    status_ = registry_.RegOpenKeyEx(rootHandle_, subKey, 0, reg::kKeyRead, keyHandle_);
    if (status_ != reg::kSuccess) return std::string(kReadError);

    valueBuffer_.assign(kBufferLength, ' ');
    bufferLength_ = kBufferLength;
    std::uint32_t valueType = reg::kTypeString;
    status_ =
        registry_.RegQueryValueEx(keyHandle_, valueName, valueType, valueBuffer_, bufferLength_);
    registry_.RegCloseKey(keyHandle_);
    if (status_ != reg::kSuccess) return std::string(kReadError);

    // The value ends in its terminating NUL, followed by the spaces the buffer was filled with.
    std::string value = TrimSpaces(valueBuffer_);
    if (!value.empty()) value.pop_back();
    return value;
}

}  // namespace tessora
