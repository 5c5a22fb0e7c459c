// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/HelpFigure.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

TEST(HelpFigure, ClassroomNamesGiveTheirScene) {
    const std::pair<const char*, Scene> named[] = {
        {"classroom-plane-40", {MirrorPlane, -40}},
        {"classroom-convex-1", {MirrorConvex, -1}},
        {"classroom-concave-1000", {MirrorConcave, -1000}},
        {"classroom-concave-35", {MirrorConcave, -35}}};
    for (const auto& [name, scene] : named)
        EXPECT_EQ(ClassroomFigureScene(QString::fromUtf8(name)), scene) << name;
    for (const char* name :
         {"classroom-concave-1001", "classroom-concave-0", "classroom-concave-035",
          "classroom-concave--35", "classroom-concave-+35", "classroom-concave-3 5",
          "classroom-concave-", "classroom-concave", "classroom-concavex-35", "classroom-flat-35",
          "concave-35", "Classroom-concave-35", ""})
        EXPECT_EQ(ClassroomFigureScene(QString::fromUtf8(name)), std::nullopt) << name;
}

} // namespace
