// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/ToolFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Titles of the list in order, joined by ";".
std::string Titles() {
    std::string out;
    for (std::size_t k = 1; k <= ToolCount(); ++k)
        out += (k > 1 ? ";" : "") + Tool(k).Title.toStdString();
    return out;
}

} // namespace

// Removing a tool moves the ones after it up a place, and the selection
// follows its record: gone with it, one place up after it, unchanged before.
TEST(RemoveTool, RenumbersTheRestAndTheSelectionFollowsItsRecord) {
    const std::tuple<std::size_t, std::size_t, const char*, std::size_t> rows[] = {
        // removed, selected before, titles after, selected after
        {1, 0, "B;C;D", 0},   {1, 1, "B;C;D", 0},   {1, 3, "B;C;D", 2}, {2, 1, "A;C;D", 1},
        {2, 2, "A;C;D", 0},   {2, 4, "A;C;D", 3},   {4, 4, "A;B;C", 0}, {4, 3, "A;B;C", 3},
        {0, 2, "A;B;C;D", 2}, {5, 2, "A;B;C;D", 2}, // no such tool: nothing changes
    };
    for (const auto& [removed, selected, titles, after] : rows) {
        ToolList.clear();
        for (const char* t : {"A", "B", "C", "D"})
            AppendTool().Title = QString::fromLatin1(t);
        SelectedTool = selected;
        const QString chosen = selected ? Tool(selected).Title : QString();
        RemoveTool(removed);
        EXPECT_EQ(Titles(), titles) << removed << " " << selected;
        EXPECT_EQ(SelectedTool, after) << removed << " " << selected;
        if (after != 0) {
            EXPECT_EQ(Tool(after).Title, chosen) << "the selection keeps its record";
        }
    }
    ToolList.clear();
    SelectedTool = 0;
}
