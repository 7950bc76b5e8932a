// The sheet's Win32s gate.
#include <gtest/gtest.h>

#include "sheet/version_gate.h"

namespace {

TEST(RefusesToRun, OnlyWin32sThatTheQueryReported) {
    struct {
        bool queried;
        uint32_t platformId;
        bool refused;
    } cases[] = {
        {true, kPlatformWin32s, true},
        {true, kPlatformWin32Windows, false},
        {true, kPlatformWin32Nt, false},
        {true, 3, false}, // a platform the program does not know still runs
        // A failed query leaves the record as it was: its zero is no answer.
        {false, 0, false},
        {false, kPlatformWin32Nt, false},
    };
    for (const auto& c : cases) {
        OsVersion version;
        version.queried = c.queried;
        version.platformId = c.platformId;
        EXPECT_EQ(c.refused, RefusesToRun(version))
            << "queried " << c.queried << ", platform " << c.platformId;
    }
}

} // namespace
