#include "platform/Version.h"

namespace tessora {

std::unique_ptr<VersionQuery> MakeSystemVersionQuery() {
    return std::make_unique<FixedVersion>();
}

bool FixedVersion::GetVersionEx(OsVersionInfo& info) {
    if (info.dwOSVersionInfoSize != ver::kVersionInfoSize) return false;
    info.dwMajorVersion = major_;
    info.dwMinorVersion = minor_;
    info.dwBuildNumber = build_;
    info.dwPlatformId = platformId_;
    info.szCSDVersion.clear();
    return true;
}

}  // namespace tessora
