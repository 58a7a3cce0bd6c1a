#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tessora {

// A registry key handle. The predefined root keys have fixed values (see RootKeyHandle in the
// start-up module); handles of opened keys are handed out by the registry.
using RegHandle = std::uint32_t;

// Return codes of the registry calls, as Windows gives them.
namespace reg {
constexpr long kSuccess = 0;        // ERROR_SUCCESS
constexpr long kFileNotFound = 2;   // ERROR_FILE_NOT_FOUND: no such key or value
constexpr long kInvalidHandle = 6;  // ERROR_INVALID_HANDLE
constexpr long kMoreData = 234;     // ERROR_MORE_DATA: the buffer is too small

constexpr std::uint32_t kTypeString = 1;     // REG_SZ
constexpr std::uint32_t kKeyRead = 0x20019;  // KEY_READ access
}  // namespace reg

// Read access to the system registry, with the semantics of the Windows calls of the same names.
class Registry {
  public:
    virtual ~Registry() = default;

    // Opens subKey below the open key (or predefined root) `key` and stores the new handle in
    // `result`. An empty subKey opens `key` itself again.
    virtual long RegOpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t options,
                              std::uint32_t samDesired, RegHandle& result) = 0;

    // Reads the string value `valueName` of an open key. The value and its terminating NUL are
    // written to the start of `buffer`, whose first `length` bytes are available; the rest of the
    // buffer is left as it was. On return `length` holds the bytes written (NUL included), or the
    // bytes needed when the buffer is too small (kMoreData, buffer untouched). `type` receives the
    // value's type.
    virtual long RegQueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t& type,
                                 std::string& buffer, std::uint32_t& length) = 0;

    virtual long RegCloseKey(RegHandle key) = 0;
};

// The registry of a system that has none: every predefined root is there but empty, so every
// sub-key is missing. This is the game's registry on systems other than Windows.
class EmptyRegistry final : public Registry {
  public:
    long RegOpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t options,
                      std::uint32_t samDesired, RegHandle& result) override;
    long RegQueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t& type,
                         std::string& buffer, std::uint32_t& length) override;
    long RegCloseKey(RegHandle key) override;
};

// The registry the game reads. The game runs without a system registry (Linux and the other
// desktop systems have none), so this is an EmptyRegistry: the display-font check finds no
// settings and is skipped.
std::unique_ptr<Registry> MakeSystemRegistry();

// True for the seven predefined root keys (0x80000000 to 0x80000006).
bool IsPredefinedRootKey(RegHandle key);

}  // namespace tessora
