#include <gtest/gtest.h>

#include "platform/Version.h"

namespace tessora {
namespace {

TEST(FixedVersion, ByDefaultReportsASystemOutsideTheWindows95Family) {
    FixedVersion version;
    OsVersionInfo info;
    ASSERT_TRUE(version.GetVersionEx(info));
    EXPECT_NE(info.dwPlatformId, ver::kPlatformWindows);
    EXPECT_EQ(info.dwPlatformId, ver::kPlatformNt);
    EXPECT_GE(info.dwMajorVersion, 5u);
}

TEST(SystemVersion, IsOutsideTheWindows95Family) {
    OsVersionInfo info;
    ASSERT_TRUE(MakeSystemVersionQuery()->GetVersionEx(info));
    EXPECT_NE(info.dwPlatformId, ver::kPlatformWindows);
}

TEST(FixedVersion, ReportsTheGivenVersion) {
    FixedVersion windows98(4, 10, ver::kPlatformWindows, 1998);
    OsVersionInfo info;
    ASSERT_TRUE(windows98.GetVersionEx(info));
    EXPECT_EQ(info.dwMajorVersion, 4u);
    EXPECT_EQ(info.dwMinorVersion, 10u);
    EXPECT_EQ(info.dwPlatformId, ver::kPlatformWindows);
    EXPECT_EQ(info.dwBuildNumber, 1998u);
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
