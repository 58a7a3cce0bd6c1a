#include "support/FakeRegistry.h"

#include <algorithm>
#include <cctype>

namespace tessora {

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string JoinPath(const std::string& parent, const std::string& child) {
    if (parent.empty()) return child;
    if (child.empty()) return parent;
    return parent + "\\" + child;
}

// A sub-key path with an empty part ("a\\b", "\\a", "a\\") names no key.
bool IsWellFormedPath(const std::string& path) {
    if (path.empty()) return true;
    return path.front() != '\\' && path.back() != '\\' && path.find("\\\\") == std::string::npos;
}

// Copies value and its terminating NUL into buffer as the query call does. Returns kSuccess or
// kMoreData and sets length to the bytes the value needs.
long CopyStringValue(const std::string& value, std::string& buffer, std::uint32_t& length) {
    const std::size_t needed = value.size() + 1;
    const std::size_t available = std::min<std::size_t>(length, buffer.size());
    length = static_cast<std::uint32_t>(needed);
    if (needed > available) return reg::kMoreData;
    std::copy(value.begin(), value.end(), buffer.begin());
    buffer[value.size()] = '\0';
    return reg::kSuccess;
}
}  // namespace

void FakeRegistry::SetValue(RegHandle rootKey, const std::string& subKey,
                            const std::string& valueName, const std::string& value) {
    keys_[{rootKey, Lower(subKey)}][Lower(valueName)] = value;
}

void FakeRegistry::AddKey(RegHandle rootKey, const std::string& subKey) {
    keys_[{rootKey, Lower(subKey)}];
}

bool FakeRegistry::KeyExists(const KeyName& name) const {
    if (name.second.empty()) return true;  // a root always exists
    for (const auto& [stored, values] : keys_) {
        if (stored.first != name.first) continue;
        if (stored.second == name.second) return true;
        if (stored.second.starts_with(name.second + "\\")) return true;
    }
    return false;
}

bool FakeRegistry::KeyOf(RegHandle key, KeyName& name) const {
    if (IsPredefinedRootKey(key)) {
        name = {key, std::string()};
        return true;
    }
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) return false;
    name = open->second;
    return true;
}

long FakeRegistry::RegOpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t,
                                std::uint32_t, RegHandle& result) {
    ++openCalls_;
    KeyName parent;
    if (!KeyOf(key, parent)) return reg::kInvalidHandle;
    if (!IsWellFormedPath(subKey)) return reg::kFileNotFound;
    const KeyName wanted{parent.first, JoinPath(parent.second, Lower(subKey))};
    if (!KeyExists(wanted)) return reg::kFileNotFound;
    result = nextHandle_++;
    openKeys_[result] = wanted;
    return reg::kSuccess;
}

long FakeRegistry::RegQueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t& type,
                                   std::string& buffer, std::uint32_t& length) {
    ++queryCalls_;
    KeyName name;
    if (!KeyOf(key, name)) return reg::kInvalidHandle;
    const auto stored = keys_.find(name);
    if (stored == keys_.end()) return reg::kFileNotFound;
    const auto value = stored->second.find(Lower(valueName));
    if (value == stored->second.end()) return reg::kFileNotFound;
    type = reg::kTypeString;
    return CopyStringValue(value->second, buffer, length);
}

long FakeRegistry::RegCloseKey(RegHandle key) {
    if (IsPredefinedRootKey(key)) return reg::kSuccess;
    return openKeys_.erase(key) == 1 ? reg::kSuccess : reg::kInvalidHandle;
}

}  // namespace tessora
