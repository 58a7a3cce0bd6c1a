#include "platform/Registry.h"

namespace tessora {

namespace {
constexpr RegHandle kFirstRootKey = 0x80000000u;
constexpr RegHandle kLastRootKey = 0x80000006u;
}  // namespace

std::unique_ptr<Registry> MakeSystemRegistry() {
    return std::make_unique<EmptyRegistry>();
}

bool IsPredefinedRootKey(RegHandle key) {
    return key >= kFirstRootKey && key <= kLastRootKey;
}

long EmptyRegistry::RegOpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t,
                                 std::uint32_t, RegHandle& result) {
    if (!IsPredefinedRootKey(key)) return reg::kInvalidHandle;
    if (!subKey.empty()) return reg::kFileNotFound;
    // Opening a root with no sub-key gives back the root itself.
    result = key;
    return reg::kSuccess;
}

long EmptyRegistry::RegQueryValueEx(RegHandle key, const std::string&, std::uint32_t&, std::string&,
                                    std::uint32_t&) {
    return IsPredefinedRootKey(key) ? reg::kFileNotFound : reg::kInvalidHandle;
}

long EmptyRegistry::RegCloseKey(RegHandle key) {
    return IsPredefinedRootKey(key) ? reg::kSuccess : reg::kInvalidHandle;
}

}  // namespace tessora
