// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows decide, without a window.
#include "forms/ToolsMenu.h"

#include <gtest/gtest.h>

TEST(ToolsMenu, EachEntryStandsForTheSmallestRunThatFits) {
    const std::pair<std::size_t, std::size_t> rows[] = {
        {1, 1},          {1000, 1},          {1001, 1000},          {2345, 1000},
        {1000000, 1000}, {1000001, 1000000}, {1000000000, 1000000}, {1000000001, 1000000000}};
    for (const auto& [count, per] : rows)
        EXPECT_EQ(ToolsPerEntry(count), per) << count;
}
