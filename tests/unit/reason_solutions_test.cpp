// The per-reason solutions by list position, and the positions that leave the solution alone.
#include "pages/installation/reason_solutions.h"

#include <gtest/gtest.h>

#include "installation_texts.h"

TEST(ReasonSolution, ByPosition) {
    const std::string install = kInstallSolution;
    const std::string move = kMovedSolution;
    const std::string edit = kEditSolution;
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
