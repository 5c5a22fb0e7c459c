// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LanguageChoice.h"
#include "util/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The lines' rules are LanguageChoiceTest's; here, the view kept beside the language.
TEST(SettingsFile, TheViewIsKeptOnlyWhenChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    EXPECT_EQ(ReadSavedClassroomView(), std::nullopt);
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    ASSERT_TRUE(KeepLanguage(LangCatalan));
    for (const bool view : {false, true}) {
        ASSERT_TRUE(KeepClassroomView(view));
        EXPECT_EQ(ReadSavedClassroomView(), view);
    }
    EXPECT_EQ(ReadSavedLanguage(), LangCatalan);
    QFile f(SettingsFilePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[General]\nclassroomview=true\nlanguage=ca\n"));
}

} // namespace
