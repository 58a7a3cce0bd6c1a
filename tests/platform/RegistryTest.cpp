#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"
#include "support/FakeRegistry.h"

namespace tessora {
namespace {

constexpr RegHandle kLocalMachine = 0x80000002u;
constexpr RegHandle kCurrentUser = 0x80000001u;

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

TEST(SystemRegistry, HasNoDisplaySettings) {
    const auto registry = MakeSystemRegistry();
    RegHandle key = 0;
    EXPECT_EQ(registry->RegOpenKeyEx(kLocalMachine, "Config\\0001\\Display\\Settings", 0,
                                     reg::kKeyRead, key),
              reg::kFileNotFound);
}

class FakeRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.SetValue(kLocalMachine, "Config\\0001\\Display\\Settings", "DPILogicalX", "96");
        registry.SetValue(kLocalMachine, "Config\\0001\\Display\\Settings", "Empty", "");
    }

    long Open(RegHandle root, const std::string& subKey, RegHandle& key) {
        return registry.RegOpenKeyEx(root, subKey, 0, reg::kKeyRead, key);
    }

    FakeRegistry registry;
};

TEST_F(FakeRegistryTest, OpensGivenKeysAndTheKeysOnTheWayToThem) {
    struct Case {
        RegHandle root;
        const char* subKey;
        long expected;
    };
    const Case cases[] = {
        {kLocalMachine, "Config\\0001\\Display\\Settings", reg::kSuccess},
        {kLocalMachine, "config\\0001\\DISPLAY\\settings", reg::kSuccess},
        {kLocalMachine, "Config\\0001", reg::kSuccess},
        {kLocalMachine, "", reg::kSuccess},
        {kLocalMachine, "Config\\0001\\Display\\Settings\\More", reg::kFileNotFound},
        {kLocalMachine, "Config\\00", reg::kFileNotFound},
        {kLocalMachine, "Config\\\\0001", reg::kFileNotFound},
        {kLocalMachine, "Config\\0001\\", reg::kFileNotFound},
        {kCurrentUser, "Config\\0001\\Display\\Settings", reg::kFileNotFound},
        {0, "Config", reg::kInvalidHandle},
        {0x80000000u - 1, "Config", reg::kInvalidHandle},
    };
    for (const Case& c : cases) {
        RegHandle key = 0;
        EXPECT_EQ(Open(c.root, c.subKey, key), c.expected) << c.subKey;
        if (c.expected == reg::kSuccess) {
            EXPECT_EQ(registry.RegCloseKey(key), reg::kSuccess);
        }
    }
    EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST_F(FakeRegistryTest, OpensRelativeToAnOpenKey) {
    RegHandle config = 0;
    RegHandle settings = 0;
    ASSERT_EQ(Open(kLocalMachine, "Config", config), reg::kSuccess);
    ASSERT_EQ(Open(config, "0001\\Display\\Settings", settings), reg::kSuccess);
    std::string buffer = SpaceBuffer();
    std::uint32_t length = 255;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.RegQueryValueEx(settings, "DPILogicalX", type, buffer, length),
              reg::kSuccess);
    EXPECT_EQ(registry.openKeyCount(), 2);
}

TEST_F(FakeRegistryTest, QueryWritesTheValueAndItsNulAtTheStartOfTheBuffer) {
    RegHandle key = 0;
    ASSERT_EQ(Open(kLocalMachine, "Config\\0001\\Display\\Settings", key), reg::kSuccess);
    std::string buffer = SpaceBuffer();
    std::uint32_t length = 255;
    std::uint32_t type = 0;
    ASSERT_EQ(registry.RegQueryValueEx(key, "dpilogicalx", type, buffer, length), reg::kSuccess);
    EXPECT_EQ(type, reg::kTypeString);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(buffer, std::string("96\0", 3) + std::string(252, ' '));

    buffer = SpaceBuffer();
    length = 255;
    ASSERT_EQ(registry.RegQueryValueEx(key, "Empty", type, buffer, length), reg::kSuccess);
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(buffer, std::string(1, '\0') + std::string(254, ' '));
}

TEST_F(FakeRegistryTest, QueryFailsForMissingValuesClosedKeysAndShortBuffers) {
    RegHandle key = 0;
    ASSERT_EQ(Open(kLocalMachine, "Config\\0001\\Display\\Settings", key), reg::kSuccess);
    std::uint32_t type = 0;

    std::string buffer = SpaceBuffer();
    std::uint32_t length = 255;
    EXPECT_EQ(registry.RegQueryValueEx(key, "DPILogicalY", type, buffer, length),
              reg::kFileNotFound);
    EXPECT_EQ(buffer, SpaceBuffer());

    // "96" needs three bytes with its NUL; two are too few and the caller learns how many.
    std::string shortBuffer = "  ";
    length = 2;
    EXPECT_EQ(registry.RegQueryValueEx(key, "DPILogicalX", type, shortBuffer, length),
              reg::kMoreData);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(shortBuffer, "  ");

    // A length larger than the buffer itself does not let the copy run past it.
    length = 255;
    EXPECT_EQ(registry.RegQueryValueEx(key, "DPILogicalX", type, shortBuffer, length),
              reg::kMoreData);

    RegHandle intermediate = 0;
    ASSERT_EQ(Open(kLocalMachine, "Config", intermediate), reg::kSuccess);
    length = 255;
    EXPECT_EQ(registry.RegQueryValueEx(intermediate, "DPILogicalX", type, buffer, length),
              reg::kFileNotFound);

    ASSERT_EQ(registry.RegCloseKey(key), reg::kSuccess);
    EXPECT_EQ(registry.RegCloseKey(key), reg::kInvalidHandle);
    length = 255;
    EXPECT_EQ(registry.RegQueryValueEx(key, "DPILogicalX", type, buffer, length),
              reg::kInvalidHandle);
}

TEST_F(FakeRegistryTest, EveryOpenGetsItsOwnHandle) {
    RegHandle first = 0;
    RegHandle second = 0;
    ASSERT_EQ(Open(kLocalMachine, "Config", first), reg::kSuccess);
    ASSERT_EQ(Open(kLocalMachine, "Config", second), reg::kSuccess);
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsPredefinedRootKey(first));
    EXPECT_EQ(registry.openKeyCount(), 2);
    EXPECT_EQ(registry.RegCloseKey(first), reg::kSuccess);
    EXPECT_EQ(registry.openKeyCount(), 1);
}

}  // namespace
}  // namespace tessora
