#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/Registry.h"

namespace tessora {

// HKEY_LOCAL_MACHINE, the predefined root key under which the game reads the display settings.
inline constexpr RegHandle kLocalMachine = 0x80000002u;

// A registry holding the keys and string values it is given, for tests. Key and value names
// are compared without regard to case, as Windows does; every key on the way to a given key
// exists too. It counts the keys that are open so that a test can see each one closed.
class FakeRegistry final : public Registry {
  public:
    // Adds the key rootKey\subKey (creating it if needed) with one string value.
    void SetValue(RegHandle rootKey, const std::string& subKey, const std::string& valueName,
                  const std::string& value);
    // Adds an empty key.
    void AddKey(RegHandle rootKey, const std::string& subKey);

    long RegOpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t options,
                      std::uint32_t samDesired, RegHandle& result) override;
    long RegQueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t& type,
                         std::string& buffer, std::uint32_t& length) override;
    long RegCloseKey(RegHandle key) override;

    int openKeyCount() const { return static_cast<int>(openKeys_.size()); }
    int openCalls() const { return openCalls_; }
    int queryCalls() const { return queryCalls_; }

  private:
    using KeyName = std::pair<RegHandle, std::string>;  // root and lower-case sub-key path

    bool KeyExists(const KeyName& name) const;
    // The key an open handle or a predefined root stands for; false for an unknown handle.
    bool KeyOf(RegHandle key, KeyName& name) const;

    std::map<KeyName, std::map<std::string, std::string>> keys_;
    std::map<RegHandle, KeyName> openKeys_;
    RegHandle nextHandle_ = 0x100;
    int openCalls_ = 0;
    int queryCalls_ = 0;
};

}  // namespace tessora
