#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"
#include "support/FakeRegistry.h"

namespace tessora {
namespace {

// A buffer as the start-up module hands it over: 255 spaces.
std::string SpaceBuffer() {
    return std::string(255, ' ');
}

TEST(EmptyRegistry, HasTheRootsButNoKeysBelowThem) {
    EmptyRegistry registry;
    RegHandle key = 0;
    EXPECT_EQ(registry.RegOpenKeyEx(kLocalMachine, "Config\\0001\\Display\\Settings", 0,
                                    reg::kKeyRead, key),
              reg::kFileNotFound);
    EXPECT_EQ(registry.RegOpenKeyEx(0, "Config", 0, reg::kKeyRead, key), reg::kInvalidHandle);
    EXPECT_EQ(registry.RegOpenKeyEx(0x80000007u, "", 0, reg::kKeyRead, key), reg::kInvalidHandle);
    ASSERT_EQ(registry.RegOpenKeyEx(kLocalMachine, "", 0, reg::kKeyRead, key), reg::kSuccess);
    EXPECT_EQ(key, kLocalMachine);

    std::string buffer = SpaceBuffer();
    std::uint32_t length = 255;
    std::uint32_t type = reg::kTypeString;
    EXPECT_EQ(registry.RegQueryValueEx(key, "DPILogicalX", type, buffer, length),
              reg::kFileNotFound);
    EXPECT_EQ(buffer, SpaceBuffer());
    EXPECT_EQ(registry.RegCloseKey(key), reg::kSuccess);
    EXPECT_EQ(registry.RegCloseKey(0x1234), reg::kInvalidHandle);
}

}  // namespace
}  // namespace tessora
