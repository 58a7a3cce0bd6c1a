#include <gtest/gtest.h>

#include "platform/Version.h"

namespace tessora {
namespace {

// The game's own query tells a system outside the Windows 95 family, so no hint is given.
TEST(SystemVersion, IsOutsideTheWindows95Family) {
    OsVersionInfo info;
    ASSERT_TRUE(MakeSystemVersionQuery()->GetVersionEx(info));
    EXPECT_EQ(info.dwPlatformId, ver::kPlatformNt);
    EXPECT_GE(info.dwMajorVersion, 5u);
}

TEST(FixedVersion, RefusesARecordWhoseSizeFieldIsNotSet) {
    FixedVersion version(4, 0, ver::kPlatformWindows);
    OsVersionInfo info;
    info.dwOSVersionInfoSize = 0;
    info.dwMajorVersion = 77;
    EXPECT_FALSE(version.GetVersionEx(info));
    EXPECT_EQ(info.dwMajorVersion, 77u);
}

}  // namespace
}  // namespace tessora
