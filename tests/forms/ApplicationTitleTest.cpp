// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ErrorReport.h"

#include <gtest/gtest.h>

TEST(ApplicationTitle, BaseNameUpToTheFirstDotWithTheRestLowered) {
    const char* const rows[][2] = {{"/usr/bin/mirvex", "mirvex"},
                                   {"/opt/x/MIRVEX.EXE", "Mirvex"},
                                   {"/a.b/MirVex.tar.gz", "Mirvex"},
                                   {"/home/u/ÉCOLE", "École"},
                                   {"/home/u/.hidden", ""}};
    for (const auto& [path, title] : rows)
        EXPECT_EQ(ApplicationTitleFromPath(QString::fromUtf8(path)), QString::fromUtf8(title))
            << path;
}
