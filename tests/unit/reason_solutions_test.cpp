// The per-reason solutions by list position, and the positions that leave the solution alone.
#include "install/reason_solutions.h"

#include <gtest/gtest.h>

TEST(ReasonSolution, ByPosition) {
    const std::string install = "Install Kelvorn32";
    const std::string move = "1. Create the directory if it does not exist and Move all files from your "
                             "original directory to this "
                             "directory.\n2. Edit the kvcfg_32.ini file and change the MainDirectory entry "
                             "to the directory where kelvorn "
                             "is installed. Also change all references to the other directoryto the "
                             "directory where kelvorn is installed.";
    const std::string edit =
        "Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory where Kelvorn32 is "
        "installed. Also change all references to the other directory to the directory where Kelvorn32 is "
        "installed.";
    struct {
        int position;
        std::optional<std::string> expected;
    } cases[] = {
        {-1, std::nullopt}, {0, install}, {1, install},      {2, install},      {3, move},
        {4, edit},          {5, install}, {6, std::nullopt}, {7, std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.position);
        EXPECT_EQ(row.expected, ReasonSolution(row.position));
    }
}
