#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tessora {

// Platform identifiers of the version record.
namespace ver {
constexpr std::uint32_t kPlatformWindows = 1;  // the Windows 95 family (95, 98, Me)
constexpr std::uint32_t kPlatformNt = 2;
// The size field the caller sets before the query: the record with its 128-byte text field.
constexpr std::uint32_t kVersionInfoSize = 148;
}  // namespace ver

// The operating system's version record (the fields of OSVERSIONINFO).
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize = ver::kVersionInfoSize;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    std::string szCSDVersion;
};

// Asks the operating system for its version, like GetVersionEx: fills info and returns true,
// or returns false and leaves info alone when its size field is not set to the record's size.
class VersionQuery {
  public:
    virtual ~VersionQuery() = default;
    virtual bool GetVersionEx(OsVersionInfo& info) = 0;
};

// Reports one fixed version; the default one is a system outside the Windows 95 family
// (version 10.0 of the NT family), which is what the game tells on systems other than Windows.
class FixedVersion final : public VersionQuery {
  public:
    FixedVersion() = default;
    FixedVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t platformId,
                 std::uint32_t build = 0)
        : major_(major), minor_(minor), platformId_(platformId), build_(build) {}

    bool GetVersionEx(OsVersionInfo& info) override;

  private:
    std::uint32_t major_ = 10;
    std::uint32_t minor_ = 0;
    std::uint32_t platformId_ = ver::kPlatformNt;
    std::uint32_t build_ = 0;
};

// The version query the game uses: a FixedVersion with its default, a system outside the
// Windows 95 family.
std::unique_ptr<VersionQuery> MakeSystemVersionQuery();

}  // namespace tessora
