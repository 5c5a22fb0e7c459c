// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/HelpFigure.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

struct NameCase {
    const char* name;
    std::optional<Scene> scene;
};

const NameCase NameCases[] = {
    {"classroom-plane-40", Scene{MirrorPlane, -40}},
    {"classroom-convex-1", Scene{MirrorConvex, -1}},
    {"classroom-concave-1000", Scene{MirrorConcave, -1000}},
    {"classroom-concave-35", Scene{MirrorConcave, -35}},
    {"classroom-concave-1001", std::nullopt},
    {"classroom-concave-0", std::nullopt},
    {"classroom-concave-035", std::nullopt},
    {"classroom-concave--35", std::nullopt},
    {"classroom-concave-+35", std::nullopt},
    {"classroom-concave-3 5", std::nullopt},
    {"classroom-concave-", std::nullopt},
    {"classroom-concave", std::nullopt},
    {"classroom-concavex-35", std::nullopt},
    {"classroom-flat-35", std::nullopt},
    {"concave-35", std::nullopt},
    {"Classroom-concave-35", std::nullopt},
    {"", std::nullopt},
};

TEST(HelpFigure, ClassroomNamesGiveTheirScene) {
    for (const NameCase& c : NameCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClassroomFigureScene(QString::fromUtf8(c.name)), c.scene);
    }
}

} // namespace
