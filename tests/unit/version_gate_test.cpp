// The version record's two families, and the sheet's Win32s gate.
#include <gtest/gtest.h>

#include "sheet/version_gate.h"

namespace {

TEST(RefusesToRun, OnlyWin32sThatTheQueryReported) {
    struct {
        bool queried;
        uint32_t platformId;
        bool refused, windows95, nt;
    } cases[] = {
        {true, kPlatformWin32s, true, false, false},
        {true, kPlatformWin32Windows, false, true, false},
        {true, kPlatformWin32Nt, false, false, true},
        {true, 3, false, false, false}, // a platform the program does not know still runs
        // A failed query leaves the record as it was: its zero is no answer.
        {false, 0, false, false, false},
        {false, kPlatformWin32Windows, false, false, false},
        {false, kPlatformWin32Nt, false, false, false},
    };
    for (const auto& c : cases) {
        OsVersion version;
        version.queried = c.queried;
        version.platformId = c.platformId;
        SCOPED_TRACE(testing::Message() << "queried " << c.queried << ", platform " << c.platformId);
        EXPECT_EQ(c.refused, RefusesToRun(version));
        EXPECT_EQ(c.windows95, IsWindows95Family(version));
        EXPECT_EQ(c.nt, IsWindowsNtFamily(version));
    }
}

} // namespace
